#include "gui/control_strings.h"

#include "base/exception.h"
#include "base/strings.h"

void TControlStrings::Check(int index, int limit) const {
  if (index < 0 || index > limit) throw Exception(L"List index out of bounds (" + IntToStr(index) + L")");
}

const std::wstring& TControlStrings::operator[](int index) const {
  Check(index, Count() - 1);
  return items_[index];
}

int TControlStrings::Add(const std::wstring& s) {
  Insert(Count(), s);
  return Count() - 1;
}

void TControlStrings::Insert(int index, const std::wstring& s) {
  Check(index, Count());
  items_.insert(items_.begin() + index, s);
  notify_(TStringsChange::Inserted, index);
}

void TControlStrings::Delete(int index) {
  Check(index, Count() - 1);
  items_.erase(items_.begin() + index);
  notify_(TStringsChange::Deleted, index);
}

void TControlStrings::Put(int index, const std::wstring& s) {
  Check(index, Count() - 1);
  items_[index] = s;
  notify_(TStringsChange::Changed, index);
}

void TControlStrings::Clear() { Assign({}); }

void TControlStrings::Assign(const std::vector<std::wstring>& lines) {
  items_ = lines;
  notify_(TStringsChange::Reset, -1);
}

int TControlStrings::IndexOf(const std::wstring& s) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(items_[i], s)) return i;
  return -1;
}

const TItemMessages ListBoxItemMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT};
const TItemMessages ComboBoxItemMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT};

void MirrorItems(HWND wnd, const TItemMessages& msgs, const TControlStrings& items, TStringsChange change,
                 int index) {
  if (!wnd) return;
  auto insert = [&](int i) {
    SendMessageW(wnd, msgs.Insert, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(items[i].c_str()));
  };
  switch (change) {
    case TStringsChange::Inserted:
      insert(index);
      break;
    case TStringsChange::Deleted:
      SendMessageW(wnd, msgs.Delete, static_cast<WPARAM>(index), 0);
      break;
    case TStringsChange::Changed:
      SendMessageW(wnd, msgs.Delete, static_cast<WPARAM>(index), 0);
      insert(index);
      break;
    case TStringsChange::Reset:
      SendMessageW(wnd, msgs.Reset, 0, 0);
      for (int i = 0; i < items.Count(); ++i) insert(i);
      break;
  }
}

std::wstring WindowText(HWND wnd) {
  int length = GetWindowTextLengthW(wnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(GetWindowTextW(wnd, text.data(), length + 1));
  return text;
}
