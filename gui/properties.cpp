#include "gui/properties.h"

#include "base/strings.h"

namespace {
const TPropInfo* Find(const TObject* obj, const std::wstring& name, std::initializer_list<TTypeKind> kinds) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p) return nullptr;
  for (TTypeKind k : kinds)
    if (p->Kind == k) return p;
  return nullptr;
}
}  // namespace

const TPropInfo* GetPropInfo(const TObject* obj, const std::wstring& name) {
  return obj ? obj->ClassType().FindProp(name) : nullptr;
}

bool IsPublishedProp(const TObject* obj, const std::wstring& name) { return GetPropInfo(obj, name) != nullptr; }

std::optional<int64_t> GetOrdProp(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Integer, TTypeKind::Enumeration, TTypeKind::Set});
  if (!p) return std::nullopt;
  return p->GetOrd(obj);
}

bool SetOrdProp(TObject* obj, const std::wstring& name, int64_t value) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Integer, TTypeKind::Enumeration, TTypeKind::Set});
  if (!p) return false;
  if (p->Kind == TTypeKind::Enumeration && (value < 0 || value >= static_cast<int64_t>(p->Enum->Names.size())))
    return false;
  p->SetOrd(obj, value);
  return true;
}

std::optional<std::wstring> GetEnumProp(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Enumeration});
  if (!p) return std::nullopt;
  int64_t v = p->GetOrd(obj);
  if (v < 0 || v >= static_cast<int64_t>(p->Enum->Names.size())) return std::wstring();
  return p->Enum->Names[static_cast<size_t>(v)];
}

bool SetEnumProp(TObject* obj, const std::wstring& name, const std::wstring& member) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Enumeration});
  if (!p) return false;
  int index = p->Enum->IndexOf(Trim(member));
  if (index < 0) return false;
  p->SetOrd(obj, index);
  return true;
}

std::wstring SetToString(const TEnumInfo& info, uint32_t bits) {
  std::wstring text;
  for (size_t i = 0; i < info.Names.size() && i < 32; ++i)
    if (bits & (1u << i)) {
      if (!text.empty()) text += L',';
      text += info.Names[i];
    }
  return text;
}

bool StringToSet(const TEnumInfo& info, const std::wstring& text, uint32_t& bits) {
  std::wstring body = Trim(text);
  if (!body.empty() && body.front() == L'[') {
    if (body.back() != L']') return false;
    body = body.substr(1, body.size() - 2);
  }
  uint32_t result = 0;
  size_t start = 0;
  while (start <= body.size()) {
    size_t comma = body.find(L',', start);
    std::wstring member = Trim(body.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
    if (!member.empty()) {
      int index = info.IndexOf(member);
      if (index < 0 || index >= 32) return false;
      result |= 1u << index;
    } else if (comma != std::wstring::npos) {
      return false;  // an empty member between commas
    }
    if (comma == std::wstring::npos) break;
    start = comma + 1;
  }
  bits = result;
  return true;
}

std::optional<std::wstring> GetSetProp(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Set});
  if (!p) return std::nullopt;
  return SetToString(*p->Enum, static_cast<uint32_t>(p->GetOrd(obj)));
}

bool SetSetProp(TObject* obj, const std::wstring& name, const std::wstring& members) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Set});
  uint32_t bits = 0;
  if (!p || !StringToSet(*p->Enum, members, bits)) return false;
  p->SetOrd(obj, bits);
  return true;
}

std::optional<std::wstring> GetStrProp(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::String, TTypeKind::WString});
  if (!p) return std::nullopt;
  return p->GetStr(obj);
}

bool SetStrProp(TObject* obj, const std::wstring& name, const std::wstring& value) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::String, TTypeKind::WString});
  if (!p) return false;
  p->SetStr(obj, value);
  return true;
}

TObject* GetObjectProp(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Class});
  return p ? p->GetObj(obj) : nullptr;
}

bool SetObjectProp(TObject* obj, const std::wstring& name, TObject* value) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Class});
  if (!p || !p->SetObj || !p->IsA(value)) return false;
  p->SetObj(obj, value);
  return true;
}

std::optional<std::vector<std::wstring>> GetStringsProp(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Strings});
  if (!p) return std::nullopt;
  return p->GetLines(obj);
}

bool SetStringsProp(TObject* obj, const std::wstring& name, const std::vector<std::wstring>& lines) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Strings});
  if (!p) return false;
  p->SetLines(obj, lines);
  return true;
}

std::optional<bool> IsEventBound(TObject* obj, const std::wstring& name) {
  const TPropInfo* p = Find(obj, name, {TTypeKind::Method});
  if (!p) return std::nullopt;
  return p->IsBound(obj);
}

bool SetPropValue(TObject* obj, const std::wstring& name, const std::wstring& text) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p) return false;
  switch (p->Kind) {
    case TTypeKind::Integer: {
      int v = 0;
      if (!TryStrToInt(Trim(text), v) && !(p->Idents && p->Idents->ToInt(Trim(text), v))) return false;
      p->SetOrd(obj, v);
      return true;
    }
    case TTypeKind::Enumeration:
      return SetEnumProp(obj, name, text);
    case TTypeKind::Set:
      return SetSetProp(obj, name, text);
    case TTypeKind::String:
    case TTypeKind::WString:
      p->SetStr(obj, text);
      return true;
    default:
      return false;
  }
}
