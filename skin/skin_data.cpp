#include "skin/skin_data.h"

#include <fstream>
#include <iterator>

#include "gui/application.h"
#include "gui/controls.h"
#include "gui/forms.h"
#include "gui/hint_window.h"
#include "gui/type_info.h"
#include "skin/menu_glyphs.h"
#include "skin/skin_form.h"
#include "skin/skin_manager.h"

const TEnumInfo SkinControlTypeInfo{{L"xcMainMenu", L"xcPopupMenu", L"xcMenuItem", L"xcToolbar", L"xcControlbar",
                                     L"xcCombo", L"xcCheckBox", L"xcRadioButton", L"xcProgress", L"xcScrollbar",
                                     L"xcEdit", L"xcButton", L"xcBitBtn", L"xcSpeedButton", L"xcSpin", L"xcPanel",
                                     L"xcGroupBox", L"xcStatusBar", L"xcTab", L"xcTrackBar", L"xcSystemMenu",
                                     L"xcFastReport"}};
const TEnumInfo SkinOptionInfo{{L"xoMDIScrollbar", L"xoMenuMerge", L"xoTransparent", L"xoPreview",
                                L"xoParentBackGround", L"xoNoFocusRect", L"xoToolbarBK", L"xoToolbarButton",
                                L"xoMDIChildBorder", L"xoMenuBG", L"xoCaptionButtonHint", L"xoFormScrollbar"}};
const TEnumInfo SkinFormTypeInfo{{L"sfMainform", L"sfOnlyThisForm", L"sfDialog", L"sfDLL"}};

namespace {

// The optional user32 functions, taken once when the program starts.
struct User32Extras {
  using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
  User32Extras() {
    module = LoadLibraryW(L"user32.dll");
    if (!module) return;
    scrollBarInfo = Lookup<GetScrollBarInfoProc>("GetScrollBarInfo");
    trackMouse = Lookup<TrackMouseEventProc>("TrackMouseEvent");
    comboBoxInfo = Lookup<GetComboBoxInfoProc>("GetComboBoxInfo");
  }
  template <class Proc>
  Proc Lookup(const char* name) const {
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  }
  ~User32Extras() {
    if (module) FreeLibrary(module);
  }
  HMODULE module = nullptr;
  GetScrollBarInfoProc scrollBarInfo = nullptr;
  TrackMouseEventProc trackMouse = nullptr;
  GetComboBoxInfoProc comboBoxInfo = nullptr;
  bool scrollBarInfoHidden = false;
};

User32Extras& Extras() {
  static User32Extras extras;
  return extras;
}

}  // namespace

bool HasGetScrollBarInfo() { return Extras().scrollBarInfo && !Extras().scrollBarInfoHidden; }
bool GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO* info) {
  if (!HasGetScrollBarInfo()) return false;
  info->cbSize = sizeof(*info);
  return Extras().scrollBarInfo(window, objectId, info) != FALSE;
}
bool HasTrackMouseEvent() { return Extras().trackMouse != nullptr; }
void TrackMouseLeave(HWND window) {
  if (!HasTrackMouseEvent()) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
  Extras().trackMouse(&track);
}
bool HasGetComboBoxInfo() { return Extras().comboBoxInfo != nullptr; }
bool GetComboBoxInfoSafe(HWND window, COMBOBOXINFO* info) {
  if (!HasGetComboBoxInfo()) return false;
  info->cbSize = sizeof(*info);
  return Extras().comboBoxInfo(window, info) != FALSE;
}
void SimulateMissingScrollBarInfo(bool missing) { Extras().scrollBarInfoHidden = missing; }

const TClassInfo& TSkinData::StaticClass() {
  static const TClassInfo info(
      L"TSkinData", &TComponent::StaticClass(), &CreateInstance<TSkinData>,
      {props::Bool(L"Active", &TSkinData::Active, &TSkinData::SetActive),
       props::Int(L"DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag),
       props::Set(L"SkinControls", SkinControlTypeInfo, &TSkinData::SkinControls, &TSkinData::SetSkinControls),
       props::Set(L"Options", SkinOptionInfo, &TSkinData::Options, &TSkinData::SetOptions),
       props::Lines(L"Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd),
       props::Str(L"SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile),
       props::Str(L"SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore),
       props::Enum(L"SkinFormtype", SkinFormTypeInfo, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype),
       props::Str(L"Version", &TSkinData::Version, &TSkinData::SetVersion),
       props::Bool(L"MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate),
       props::Bool(L"MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge),
       props::Event(L"OnFormSkin", &TSkinData::OnFormSkin),
       props::Event(L"OnSkinChanged", &TSkinData::OnSkinChanged),
       props::Event(L"OnSkinControl", &TSkinData::OnSkinControl),
       props::Event(L"OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm),
       props::Event(L"OnAfterSkinForm", &TSkinData::OnAfterSkinForm),
       props::Data(L"SkinStream", &TSkinData::ReadSkinStream)});
  return info;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner), skin3rd_(DefaultSkin3rd()) {
  using T = TSkinControlType;
  // Every kind from the frame to the system menu except owner-drawn menu items.
  for (int kind = static_cast<int>(T::xcMainMenu); kind <= static_cast<int>(T::xcSystemMenu); ++kind) {
    if (kind != static_cast<int>(T::xcMenuItem)) skinControls_.Include(static_cast<T>(kind));
  }
  options_ = {TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint};
  MenuGlyphs = new TImageList(this);
  MenuGlyphs->SetWidth(16);
  MenuGlyphs->SetHeight(16);
  const TBitmap glyphs = MenuGlyphStrip();
  MenuGlyphs->AddMasked(&glyphs, clWhite);
  captionHint_ = new THintWindow(this);
}

TSkinData::~TSkinData() {
  // Windows still skinned with this component let it go first (they would draw from freed
  // elements otherwise); the manager then picks another main component.
  if (SkinManager) SkinManager->RemoveSkinData(this);
}

void TSkinData::ReadSkinStream(const std::vector<uint8_t>& data) {
  // The form gives the stored skin's bytes; none stores nothing and builds nothing.
  storedSkin_ = data;
  if (!storedSkin_.empty()) LoadSkin();
}

bool TSkinData::LoadSkin() {
  NoSkin = true;
  if (!Elements.LoadSkin(storedSkin_)) return false;
  NoSkin = false;
  return true;
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (!HasGetScrollBarInfo()) skinControls_.Exclude(TSkinControlType::xcScrollbar);
  if (!SkinManager) SkinManager = new TSkinManage();
  SkinManager->AddSkinData(this);
  if (formType_ == TSkinFormType::sfMainform) {
    SkinManager->InstallHook();
    if (active_) {
      if (NoSkin)
        active_ = false;
      else
        SkinManager->PostCommand(TSkinCommand::SkinAll, 250);
    }
    if (skinControls_.Contains(TSkinControlType::xcMainMenu))
      skinControls_.Exclude(TSkinControlType::xcMenuItem);
    else
      skinControls_.Exclude(TSkinControlType::xcSystemMenu);
    BuildIconBitmap();
  } else {
    SkinManager->SkinningEnabled = true;
    if (SkinManager->ManagerState == TManagerState::Idle) SkinManager->ManagerState = TManagerState::Running;
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (form && active_) SkinManager->SkinWindow(form->Handle());
  }
}

void TSkinData::BuildIconBitmap() {
  IconBitmap.Clear();
  HWND app = Application->Handle();
  HICON icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(app, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  TBitmap bitmap(cx, cy);
  bitmap.Fill(RGB(255, 0, 255));
  HICON small = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  if (!small) return;
  {
    TBitmapDC dc(bitmap.Handle());
    DrawIconEx(dc, 0, 0, small, cx, cy, 0, nullptr, DI_NORMAL);
  }
  DestroyIcon(small);
  IconBitmap = std::move(bitmap);
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (IsLoading()) return;
  if (!SkinManager) return;
  switch (formType_) {
    case TSkinFormType::sfMainform:
      if (value) {
        if (NoSkin) return;
        SkinManager->PendingSkinData = this;
        SkinManager->PostCommand(TSkinCommand::SkinAll, 250);
        SkinManager->ManagerState = TManagerState::Running;
      } else {
        SkinManager->PendingSkinData = this;
        SkinManager->PostCommand(TSkinCommand::UnskinAll, 250);
      }
      break;
    case TSkinFormType::sfOnlyThisForm:
      SkinManager->PendingSkinData = this;
      if (value && NoSkin) return;
      SkinManager->PostCommand(value ? TSkinCommand::SkinAll : TSkinCommand::UnskinAll, 250);
      break;
    default:
      break;
  }
}

void TSkinData::SetSkinFile(const std::wstring& value) {
  skinFile_ = value;
  if (IsLoading() || value.empty()) return;
  std::ifstream file(value.c_str(), std::ios::binary);
  if (!file) return;
  storedSkin_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  LoadSkin();
  RefreshSkin();
}

void TSkinData::RefreshSkin() {
  if (IsLoading()) return;
  if (!SkinManager) Loaded();
  SkinManager->PendingSkinData = this;
  SkinManager->ClearCaptionButtons();
  if (SkinManager->ManagerState == TManagerState::Running) SkinManager->PostCommand(TSkinCommand::Refresh, 250);
}

void TSkinData::UpdateSkinControl(TControl* Form, TControl* Control) {
  auto* form = dynamic_cast<TWinControl*>(Form);
  if (!SkinManager || !form || !form->HandleAllocated()) return;
  if (TWinSkinForm* skinner = SkinManager->FindSkinForm(form->Handle()))
    skinner->SkinControlTree(Control ? Control : Form);
}

void TSkinData::EnableSkinning(bool value) {
  if (SkinManager) SkinManager->SkinningEnabled = value;
}

void TSkinData::DoFormSkin(HWND, const std::wstring& ClassName, bool& DoSkin) {
  if (OnFormSkin) {
    OnFormSkin(this, ClassName, DoSkin);
    return;
  }
  if (ClassName == L"SysMonthCal32") DoSkin = false;
  if (skinControls_.Contains(TSkinControlType::xcFastReport) && ClassName.compare(0, 3, L"Tfr") == 0) DoSkin = false;
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ShowCaptionHint(const RECT& rect, const std::wstring& text) {
  if (!options_.Contains(TSkinOption::xoCaptionButtonHint) || hintShown_) return;
  TRect area = captionHint_->CalcHintRect(500, text);
  OffsetRect(&area, rect.left, rect.top);
  captionHint_->ActivateHint(area, text);
  hintShown_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hintShown_) return;
  ShowWindow(captionHint_->Handle(), SW_HIDE);
  hintShown_ = false;
}

