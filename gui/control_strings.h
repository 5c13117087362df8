// The lines of a memo and the items of list and combo boxes: held by the control and mirrored
// into its window through a notification after every change.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

enum class TStringsChange { Inserted, Deleted, Changed, Reset };

class TControlStrings {
 public:
  // notify(kind, index) runs after each change; Reset (after Clear and Assign) has index -1.
  explicit TControlStrings(std::function<void(TStringsChange, int)> notify) : notify_(std::move(notify)) {}
  TControlStrings(const TControlStrings&) = delete;
  TControlStrings& operator=(const TControlStrings&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // Index 0..Count()-1; Exception "List index out of bounds (<i>)" otherwise, here and below.
  const std::wstring& operator[](int index) const;
  const std::vector<std::wstring>& Strings() const { return items_; }
  // Returns the index of the new line (the last).
  int Add(const std::wstring& s);
  // index may be Count() (an append).
  void Insert(int index, const std::wstring& s);
  void Delete(int index);
  void Put(int index, const std::wstring& s);
  void Clear();
  void Assign(const std::vector<std::wstring>& lines);
  // Letter case ignored; -1 when absent.
  int IndexOf(const std::wstring& s) const;

  // Takes the lines the window holds now, without telling it back.
  void Load(std::vector<std::wstring> lines) { items_ = std::move(lines); }

 private:
  void Check(int index, int limit) const;

  std::vector<std::wstring> items_;
  std::function<void(TStringsChange, int)> notify_;
};

// The messages by which a list-like window takes its items (LB_* or CB_*).
struct TItemMessages {
  UINT Insert, Delete, Reset;
};
extern const TItemMessages ListBoxItemMessages, ComboBoxItemMessages;

// Passes one change of the items to the window (nothing without a window).
void MirrorItems(HWND wnd, const TItemMessages& msgs, const TControlStrings& items, TStringsChange change, int index);

// The text a window holds now.
std::wstring WindowText(HWND wnd);
