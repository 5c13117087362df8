// Published properties read and written by name. A property that does not exist, or that
// is of another kind, is an answer (an empty optional, nullptr or false), never an error.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gui/classes.h"

const TPropInfo* GetPropInfo(const TObject* obj, const std::wstring& name);
bool IsPublishedProp(const TObject* obj, const std::wstring& name);

// Integer, enumeration (ordinal) and set (bits) properties.
std::optional<int64_t> GetOrdProp(TObject* obj, const std::wstring& name);
bool SetOrdProp(TObject* obj, const std::wstring& name, int64_t value);

// Enumeration properties by member name ("alTop", "True").
std::optional<std::wstring> GetEnumProp(TObject* obj, const std::wstring& name);
bool SetEnumProp(TObject* obj, const std::wstring& name, const std::wstring& member);

// Set properties as member names: "fsBold,fsUnderline"; the setter also takes brackets and blanks.
std::optional<std::wstring> GetSetProp(TObject* obj, const std::wstring& name);
bool SetSetProp(TObject* obj, const std::wstring& name, const std::wstring& members);

// String and wide-string properties.
std::optional<std::wstring> GetStrProp(TObject* obj, const std::wstring& name);
bool SetStrProp(TObject* obj, const std::wstring& name, const std::wstring& value);

// Object properties: owned sub-objects (Font) and component references (PopupMenu).
// Only references can be set, and only to an object of a fitting class (or nullptr).
TObject* GetObjectProp(TObject* obj, const std::wstring& name);
bool SetObjectProp(TObject* obj, const std::wstring& name, TObject* value);

// String-list properties (Lines, Items).
std::optional<std::vector<std::wstring>> GetStringsProp(TObject* obj, const std::wstring& name);
bool SetStringsProp(TObject* obj, const std::wstring& name, const std::vector<std::wstring>& lines);

// Whether an event property has a handler bound. Empty when there is no such event.
std::optional<bool> IsEventBound(TObject* obj, const std::wstring& name);

// Any property from its text form: integers (or their names), enumeration members, sets of
// members, strings. What the skin engine's "set by name" needs. False when it cannot be set.
bool SetPropValue(TObject* obj, const std::wstring& name, const std::wstring& text);

// Set-member text helpers shared with the form reader.
std::wstring SetToString(const TEnumInfo& info, uint32_t bits);
// False when a name is not a member; `bits` is then unchanged.
bool StringToSet(const TEnumInfo& info, const std::wstring& text, uint32_t& bits);
