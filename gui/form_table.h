// A form class's table of what its form file may bind by name: component fields, event
// handlers, and handlers of private window messages.
//
//   class TfrmAbout : public TForm {
//     QS_FORM(TfrmAbout)
//    public:
//     explicit TfrmAbout(TComponent* owner) : TForm(owner) { LoadForm(); }
//     TButton* btnClose = nullptr;
//     void btnCloseClick(TObject* Sender);
//     void WMHistoryState(TMessage& Message);
//   };
//   QS_FORM_IMPL(TfrmAbout, TForm,
//                QS_FIELD(btnClose), QS_HANDLER(btnCloseClick),
//                QS_MESSAGE(WM_USER + 100, WMHistoryState))
#pragma once

#include <any>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "gui/classes.h"
#include "gui/messages.h"

class TCustomForm;

struct TFormEntry {
  enum class Kind { Field, Handler, Message };
  Kind EntryKind = Kind::Field;
  std::wstring Name;
  UINT Msg = 0;
  const TClassInfo* FieldClass = nullptr;
  std::function<void(TCustomForm*, TComponent*)> SetField;
  const std::type_info* EventType = nullptr;
  std::function<std::any(TCustomForm*)> MakeHandler;
  std::function<void(TCustomForm*, TMessage&)> OnMessage;
};

class TFormTable {
 public:
  TFormTable(std::initializer_list<TFormEntry> entries) : entries_(entries) {}
  const TFormEntry* FindField(const std::wstring& name) const;
  const TFormEntry* FindHandler(const std::wstring& name) const;
  const TFormEntry* FindMessage(UINT msg) const;

 private:
  std::vector<TFormEntry> entries_;
};

namespace formtable {

template <class F, class T>
TFormEntry Field(const wchar_t* name, T* F::*member) {
  RegisterClass(T::StaticClass());  // the reader may create it by name now
  TFormEntry e;
  e.EntryKind = TFormEntry::Kind::Field;
  e.Name = name;
  e.FieldClass = &T::StaticClass();
  e.SetField = [member](TCustomForm* form, TComponent* c) {
    static_cast<F*>(form)->*member = static_cast<T*>(c);
  };
  return e;
}

template <class F, class R, class... A>
TFormEntry Handler(const wchar_t* name, R (F::*method)(A...)) {
  using Event = std::function<R(A...)>;
  TFormEntry e;
  e.EntryKind = TFormEntry::Kind::Handler;
  e.Name = name;
  e.EventType = &typeid(Event);
  e.MakeHandler = [method](TCustomForm* form) -> std::any {
    F* self = static_cast<F*>(form);
    return Event([self, method](A... args) { return (self->*method)(std::forward<A>(args)...); });
  };
  return e;
}

template <class F>
TFormEntry Message(UINT msg, void (F::*method)(TMessage&)) {
  TFormEntry e;
  e.EntryKind = TFormEntry::Kind::Message;
  e.Msg = msg;
  e.OnMessage = [method](TCustomForm* form, TMessage& m) { (static_cast<F*>(form)->*method)(m); };
  return e;
}

}  // namespace formtable

#define QS_FIELD(name) formtable::Field(L## #name, &Self::name)
#define QS_HANDLER(name) formtable::Handler(L## #name, &Self::name)
#define QS_MESSAGE(msg, name) formtable::Message((msg), &Self::name)

// In the class: class information and the table of the form class.
#define QS_FORM(Class)                                                          \
 public:                                                                        \
  static const TClassInfo& StaticClass();                                       \
  const TClassInfo& ClassType() const override { return StaticClass(); }       \
  static const TFormTable& Table();                                             \
  const TFormTable* FormTable() const override { return &Table(); }             \
                                                                                \
 private:                                                                       \
  using Self = Class;

// In the .cpp: defines them; the entries are QS_FIELD, QS_HANDLER and QS_MESSAGE.
#define QS_FORM_IMPL(Class, Base, ...)                                                    \
  const TClassInfo& Class::StaticClass() {                                                \
    static const TClassInfo info(L## #Class, &Base::StaticClass(), nullptr, {});          \
    return info;                                                                          \
  }                                                                                       \
  const TFormTable& Class::Table() {                                                      \
    static const TFormTable table{__VA_ARGS__};                                           \
    return table;                                                                         \
  }
