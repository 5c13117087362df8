// Run-time class information: class names, the is-a test by name, and the published
// property table that the form reader, the pages and the skin engine read and write by name.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

class TObject;
class TComponent;

enum class TTypeKind {
  Integer,      // 32-bit integer (colours, cursors, sizes)
  Enumeration,  // member names; Boolean is one (False, True)
  Set,          // bit set over an enumeration, member n at bit n
  String,       // text
  WString,      // wide text (same storage; the kind is what a reader asks about)
  Class,        // an object: an owned sub-object (Font, Picture) or a component reference
  Method,       // an event: bound to a handler or not
  Strings,      // a list of lines (Lines, Items)
  Binary        // a defined binary property, filled from a file's bytes
};

// Member names of an enumeration in ordinal order; lookups ignore letter case.
struct TEnumInfo {
  std::vector<std::wstring> Names;
  int IndexOf(const std::wstring& name) const;  // -1 when not a member
};

extern const TEnumInfo BooleanInfo;  // False, True

// Names that integer properties accept as values (clWhite, crHandPoint, mrOk).
struct TIdentMap {
  std::vector<std::pair<std::wstring, int>> Entries;
  bool ToInt(const std::wstring& ident, int& value) const;
};

struct TPropInfo {
  std::wstring Name;
  TTypeKind Kind = TTypeKind::Integer;
  const TEnumInfo* Enum = nullptr;     // Enumeration and Set
  const TIdentMap* Idents = nullptr;   // optional names for Integer
  std::function<int64_t(TObject*)> GetOrd;                 // Integer, Enumeration, Set (bits)
  std::function<void(TObject*, int64_t)> SetOrd;
  std::function<std::wstring(TObject*)> GetStr;            // String, WString
  std::function<void(TObject*, const std::wstring&)> SetStr;
  std::function<TObject*(TObject*)> GetObj;                // Class
  std::function<void(TObject*, TObject*)> SetObj;          // Class references only
  std::function<bool(TObject*)> IsA;                       // Class references: does an object fit
  std::function<std::vector<std::wstring>(TObject*)> GetLines;  // Strings
  std::function<void(TObject*, const std::vector<std::wstring>&)> SetLines;
  const std::type_info* EventType = nullptr;               // Method: the std::function type
  std::function<bool(TObject*)> IsBound;
  std::function<void(TObject*, const std::any&)> Bind;     // Method: any holding EventType
  std::function<void(TObject*, const std::vector<uint8_t>&)> SetData;  // Binary
};

using TComponentFactory = TComponent* (*)(TComponent* owner);
template <class T>
TComponent* CreateInstance(TComponent* owner) {
  return new T(owner);
}

class TClassInfo {
 public:
  TClassInfo(const wchar_t* name, const TClassInfo* parent, TComponentFactory create,
             std::vector<TPropInfo> props);
  const std::wstring& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  TComponentFactory Factory() const { return create_; }
  // True when this class is `name` or derives from it (letter case ignored).
  bool InheritsFrom(const std::wstring& name) const;
  bool InheritsFrom(const TClassInfo& other) const;
  // Looks through this class and its ancestors; nullptr when there is no such property.
  const TPropInfo* FindProp(const std::wstring& name) const;
  // Every published property, ancestors' first.
  std::vector<const TPropInfo*> AllProps() const;

 private:
  std::wstring name_;
  const TClassInfo* parent_;
  TComponentFactory create_;
  std::vector<TPropInfo> props_;
};

// Classes the form reader can create by name. The framework's own controls are always known;
// other code registers its classes (a form's field table does it for the fields' classes).
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(const std::wstring& name);
// Every registered class (the framework's own included), in registration order.
std::vector<const TClassInfo*> RegisteredClasses();

// A small bit set over an enumeration (member n at bit n), like a Delphi set.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) bits_ |= Bit(m);
  }
  static constexpr TSet FromBits(uint32_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
  TSet& Include(E m) { bits_ |= Bit(m); return *this; }
  TSet& Exclude(E m) { bits_ &= ~Bit(m); return *this; }
  constexpr uint32_t Bits() const { return bits_; }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }
  friend constexpr bool operator!=(TSet a, TSet b) { return a.bits_ != b.bits_; }

 private:
  static constexpr uint32_t Bit(E m) { return 1u << static_cast<unsigned>(m); }
  uint32_t bits_ = 0;
};

// Builders for property table entries from a class's getter and setter members.
namespace props {

template <class C, class G, class S>
TPropInfo Int(const wchar_t* name, G (C::*get)() const, void (C::*set)(S),
              const TIdentMap* idents = nullptr) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Integer;
  p.Idents = idents;
  p.GetOrd = [get](TObject* o) { return static_cast<int64_t>((static_cast<C*>(o)->*get)()); };
  p.SetOrd = [set](TObject* o, int64_t v) { (static_cast<C*>(o)->*set)(static_cast<int>(v)); };
  return p;
}

template <class C, class E>
TPropInfo Enum(const wchar_t* name, const TEnumInfo& info, E (C::*get)() const, void (C::*set)(E)) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Enumeration;
  p.Enum = &info;
  p.GetOrd = [get](TObject* o) { return static_cast<int64_t>((static_cast<C*>(o)->*get)()); };
  p.SetOrd = [set](TObject* o, int64_t v) { (static_cast<C*>(o)->*set)(static_cast<E>(v)); };
  return p;
}

template <class C>
TPropInfo Bool(const wchar_t* name, bool (C::*get)() const, void (C::*set)(bool)) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Enumeration;
  p.Enum = &BooleanInfo;
  p.GetOrd = [get](TObject* o) { return static_cast<int64_t>((static_cast<C*>(o)->*get)()); };
  p.SetOrd = [set](TObject* o, int64_t v) { (static_cast<C*>(o)->*set)(v != 0); };
  return p;
}

template <class C, class E>
TPropInfo Set(const wchar_t* name, const TEnumInfo& info, TSet<E> (C::*get)() const,
              void (C::*set)(TSet<E>)) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Set;
  p.Enum = &info;
  p.GetOrd = [get](TObject* o) { return static_cast<int64_t>((static_cast<C*>(o)->*get)().Bits()); };
  p.SetOrd = [set](TObject* o, int64_t v) {
    (static_cast<C*>(o)->*set)(TSet<E>::FromBits(static_cast<uint32_t>(v)));
  };
  return p;
}

template <class C, class G, class S>
TPropInfo Str(const wchar_t* name, G (C::*get)() const, void (C::*set)(S),
              TTypeKind kind = TTypeKind::String) {
  TPropInfo p;
  p.Name = name;
  p.Kind = kind;
  p.GetStr = [get](TObject* o) { return std::wstring((static_cast<C*>(o)->*get)()); };
  p.SetStr = [set](TObject* o, const std::wstring& v) { (static_cast<C*>(o)->*set)(v); };
  return p;
}

// An owned sub-object (Font, Picture): readable, its own properties writable.
template <class C, class T>
TPropInfo Object(const wchar_t* name, T* (C::*get)() const) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Class;
  p.GetObj = [get](TObject* o) -> TObject* { return (static_cast<C*>(o)->*get)(); };
  return p;
}

// A reference to another component (PopupMenu, Images): readable and writable.
template <class C, class T>
TPropInfo Ref(const wchar_t* name, T* (C::*get)() const, void (C::*set)(T*)) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Class;
  p.GetObj = [get](TObject* o) -> TObject* { return (static_cast<C*>(o)->*get)(); };
  p.IsA = [](TObject* v) { return v == nullptr || dynamic_cast<T*>(v) != nullptr; };
  p.SetObj = [set](TObject* o, TObject* v) { (static_cast<C*>(o)->*set)(dynamic_cast<T*>(v)); };
  return p;
}

template <class C, class G, class S>
TPropInfo Lines(const wchar_t* name, G (C::*get)() const, void (C::*set)(S)) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Strings;
  p.GetLines = [get](TObject* o) { return std::vector<std::wstring>((static_cast<C*>(o)->*get)()); };
  p.SetLines = [set](TObject* o, const std::vector<std::wstring>& v) { (static_cast<C*>(o)->*set)(v); };
  return p;
}

// An event held in a public std::function member.
template <class C, class F>
TPropInfo Event(const wchar_t* name, F C::*member) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Method;
  p.EventType = &typeid(F);
  p.IsBound = [member](TObject* o) { return static_cast<bool>(static_cast<C*>(o)->*member); };
  p.Bind = [member](TObject* o, const std::any& v) { static_cast<C*>(o)->*member = std::any_cast<F>(v); };
  return p;
}

template <class C>
TPropInfo Data(const wchar_t* name, void (C::*load)(const std::vector<uint8_t>&)) {
  TPropInfo p;
  p.Name = name;
  p.Kind = TTypeKind::Binary;
  p.SetData = [load](TObject* o, const std::vector<uint8_t>& d) { (static_cast<C*>(o)->*load)(d); };
  return p;
}

}  // namespace props

// Declares the class information members of a framework class.
#define QS_CLASS(Class)                                                     \
 public:                                                                    \
  static const TClassInfo& StaticClass();                                   \
  const TClassInfo& ClassType() const override { return StaticClass(); }   \
                                                                            \
 private:
