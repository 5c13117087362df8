// The link type of WindowProc chains: an object and one of its message methods. Two links
// compare equal when they name the same object and the same method, so a hook can tell whether
// it is still the head of a chain before it puts the previous link back.
#pragma once

#include "gui/messages.h"

class TWndMethod {
 public:
  TWndMethod() = default;

  // TWndMethod::Of<&TMySkinner::SubclassProc>(this)
  template <auto Method, class T>
  static TWndMethod Of(T* object) {
    TWndMethod link;
    link.object_ = object;
    link.call_ = &Invoke<Method, T>;
    return link;
  }

  void operator()(TMessage& m) const { call_(object_, m); }
  explicit operator bool() const { return call_ != nullptr; }
  const void* Object() const { return object_; }

  friend bool operator==(const TWndMethod& a, const TWndMethod& b) {
    return a.object_ == b.object_ && a.call_ == b.call_;
  }
  friend bool operator!=(const TWndMethod& a, const TWndMethod& b) { return !(a == b); }

 private:
  using Call = void (*)(void* object, TMessage& m);

  // One function per (class, method): its address is the method's identity in comparisons.
  template <auto Method, class T>
  static void Invoke(void* object, TMessage& m) {
    (static_cast<T*>(object)->*Method)(m);
  }

  void* object_ = nullptr;
  Call call_ = nullptr;
};
