#include "gui/edits.h"

#include <algorithm>

const TEnumInfo ScrollStyleInfo{{L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"}};
const TEnumInfo ComboBoxStyleInfo{{L"csDropDown", L"csSimple", L"csDropDownList"}};

namespace {
// A character property: one character of text in form files ('*'), none for no character.
TPropInfo PasswordCharProp() {
  TPropInfo p;
  p.Name = L"PasswordChar";
  p.Kind = TTypeKind::String;
  p.GetStr = [](TObject* o) {
    wchar_t c = static_cast<TCustomEdit*>(o)->PasswordChar();
    return c ? std::wstring(1, c) : std::wstring();
  };
  p.SetStr = [](TObject* o, const std::wstring& v) {
    static_cast<TCustomEdit*>(o)->SetPasswordChar(v.empty() ? L'\0' : v[0]);
  };
  return p;
}
}  // namespace

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info(
      L"TCustomEdit", &TWinControl::StaticClass(), nullptr,
      {props::Str(L"Text", &TCustomEdit::Text, &TCustomEdit::SetText),
       props::Int(L"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength),
       props::Bool(L"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
       PasswordCharProp(),
       props::Event(L"OnChange", &TCustomEdit::OnChange)});
  return info;
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info(L"TEdit", &TCustomEdit::StaticClass(), &CreateInstance<TEdit>, {});
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({TControlStyleFlag::csClickEvents, TControlStyleFlag::csDoubleClicks});
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetPasswordChar(wchar_t value) {
  if (value == passwordChar_) return;
  passwordChar_ = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(value), 0);
    Invalidate();
  }
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(passwordChar_), 0);
}

void TCustomEdit::TextChanged() {
  // Text that came from the window is not written back to it.
  if (syncing_) return;
  changeSeen_ = false;
  settingText_ = true;
  TWinControl::TextChanged();
  settingText_ = false;
  // A multi-line window (or none at all) reports no change for text set in code.
  if (!changeSeen_ && !IsLoading()) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE) {
    changeSeen_ = true;
    std::wstring text = WindowText(Handle());
    // Some keys are refused (a full or read-only edit) yet still reported: no change, no event.
    bool changed = text != Caption();
    syncing_ = true;
    SetCaption(text);
    syncing_ = false;
    if (changed || settingText_) Change();
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------

namespace {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(L"\r\n", start);
    lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
  return lines;
}

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace

const TClassInfo& TCustomMemo::StaticClass() {
  static const TClassInfo info(
      L"TCustomMemo", &TCustomEdit::StaticClass(), nullptr,
      {props::Lines(L"Lines", &TCustomMemo::LinesList, &TCustomMemo::SetLinesList),
       props::Enum(L"ScrollBars", ScrollStyleInfo, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars),
       props::Bool(L"WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)});
  return info;
}

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info(L"TMemo", &TCustomMemo::StaticClass(), &CreateInstance<TMemo>, {});
  return info;
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_([this](TStringsChange, int) { LinesChanged(); }) {
  SetBounds(0, 0, 185, 89);
}

void TCustomMemo::LinesChanged() {
  // The lines become the text; the window's change notification then finds them equal.
  fromLines_ = true;
  SetText(JoinLines(lines_.Strings()));
  fromLines_ = false;
}

void TCustomMemo::Change() {
  if (!fromLines_) lines_.Load(SplitLines(Text()));
  TCustomEdit::Change();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (wordWrap_) params.Style &= ~ES_AUTOHSCROLL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if ((scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) && !wordWrap_)
    params.Style |= WS_HSCROLL;
}

// ---------------------------------------------------------------------------------------------

const TClassInfo& TCustomComboBox::StaticClass() {
  static const TClassInfo info(
      L"TCustomComboBox", &TWinControl::StaticClass(), nullptr,
      {props::Enum(L"Style", ComboBoxStyleInfo, &TCustomComboBox::Style, &TCustomComboBox::SetStyle),
       props::Lines(L"Items", &TCustomComboBox::ItemsList, &TCustomComboBox::SetItemsList),
       props::Int(L"ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex),
       props::Str(L"Text", &TCustomComboBox::Text, &TCustomComboBox::SetText),
       props::Int(L"DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount),
       props::Event(L"OnChange", &TCustomComboBox::OnChange),
       props::Event(L"OnSelect", &TCustomComboBox::OnSelect)});
  return info;
}

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info(L"TComboBox", &TCustomComboBox::StaticClass(), &CreateInstance<TComboBox>, {});
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_([this](TStringsChange change, int index) {
        if (HandleAllocated()) MirrorItems(Handle(), ComboBoxItemMessages, items_, change, index);
        if (change == TStringsChange::Reset) itemIndex_ = -1;
      }) {
  SetControlStyle({});
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
}

int TCustomComboBox::ItemIndex() const {
  if (HandleAllocated())
    return static_cast<int>(SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
  return itemIndex_;
}

void TCustomComboBox::SetItemIndex(int value) {
  if (value < -1 || value >= items_.Count()) value = -1;
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
  syncing_ = true;
  SetCaption(value >= 0 ? items_[value] : std::wstring());
  syncing_ = false;
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  itemIndex_ = ItemIndex();
  style_ = value;
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value) {
  dropDownCount_ = std::max(1, value);
  BoundsChanged(false);
}

int TCustomComboBox::WindowHeight() const {
  if (style_ == TComboBoxStyle::csSimple) return Height();
  int item = 16;
  if (HandleAllocated())
    item = static_cast<int>(SendMessageW(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETITEMHEIGHT, 0, 0));
  return Height() + dropDownCount_ * item + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = L"COMBOBOX";
  static const DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  params.Style |= styles[static_cast<int>(style_)] | CBS_AUTOHSCROLL | WS_VSCROLL;
  params.Height = WindowHeight();
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TCustomComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = Handle();
  MirrorItems(wnd, ComboBoxItemMessages, items_, TStringsChange::Reset, -1);
  int index = itemIndex_;
  if (index >= 0 && index < items_.Count()) SendMessageW(wnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  else if (style_ != TComboBoxStyle::csDropDownList) SetWindowTextW(wnd, Caption().c_str());
  // Now that the item height is known, the open list gets its room.
  BoundsChanged(false);
}

void TCustomComboBox::BoundsChanged(bool sizeChanged) {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::TextChanged() {
  if (syncing_ || !HandleAllocated()) return;
  // The item of that text is chosen (none for other text); a list without an edit part can
  // show nothing else.
  int index = items_.IndexOf(Caption());
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  itemIndex_ = index;
  if (style_ != TComboBoxStyle::csDropDownList) SetWindowTextW(Handle(), Caption().c_str());
}

void TCustomComboBox::SyncText() {
  itemIndex_ = ItemIndex();
  syncing_ = true;
  // While the list changes the selection, the edit part still shows the old text.
  SetCaption(itemIndex_ >= 0 ? items_[itemIndex_] : WindowText(Handle()));
  syncing_ = false;
}

void TCustomComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    switch (HIWORD(m.WParam)) {
      case CBN_SELCHANGE:
        SyncText();
        if (OnSelect)
          OnSelect(this);
        else if (OnChange)
          OnChange(this);
        break;
      case CBN_EDITCHANGE:
        itemIndex_ = -1;
        syncing_ = true;
        SetCaption(WindowText(Handle()));
        syncing_ = false;
        if (OnChange) OnChange(this);
        break;
    }
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------

void RegisterEditClasses() {
  for (const TClassInfo* c : {&TEdit::StaticClass(), &TMemo::StaticClass(), &TComboBox::StaticClass()})
    RegisterClass(*c);
}
