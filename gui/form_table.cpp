#include "gui/form_table.h"

#include "base/strings.h"

const TFormEntry* TFormTable::FindField(const std::wstring& name) const {
  for (const TFormEntry& e : entries_)
    if (e.EntryKind == TFormEntry::Kind::Field && SameText(e.Name, name)) return &e;
  return nullptr;
}

const TFormEntry* TFormTable::FindHandler(const std::wstring& name) const {
  for (const TFormEntry& e : entries_)
    if (e.EntryKind == TFormEntry::Kind::Handler && SameText(e.Name, name)) return &e;
  return nullptr;
}

const TFormEntry* TFormTable::FindMessage(UINT msg) const {
  for (const TFormEntry& e : entries_)
    if (e.EntryKind == TFormEntry::Kind::Message && e.Msg == msg) return &e;
  return nullptr;
}
