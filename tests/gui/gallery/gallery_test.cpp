// The control gallery opens, and every component in it is found by name with its class; each
// windowed control's window class is its framework class name.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common_demo_form.h"
#include "gallery_form.h"
#include "tree_demo_form.h"
#include "gui/application.h"
#include "gui/image_list.h"
#include "tests/gui/gui_test_support.h"

namespace {

struct Entry {
  const wchar_t* name;
  const wchar_t* className;
};

// Every component of the gallery form. A control added to the form is added here too.
const Entry kGallery[] = {
    {L"lblPlain", L"TLabel"},         {L"lblDisabled", L"TLabel"},     {L"lblTransparent", L"TLabel"},
    {L"btnNormal", L"TButton"},       {L"btnDefault", L"TButton"},     {L"btnCancel", L"TButton"},
    {L"btnDisabled", L"TButton"},     {L"pnlRaised", L"TPanel"},       {L"bvlFrame", L"TBevel"},
    {L"pnlLowered", L"TPanel"},       {L"bvlLine", L"TBevel"},         {L"imgPicture", L"TImage"},
    {L"grpChoices", L"TGroupBox"},    {L"rbFirst", L"TRadioButton"},   {L"rbSecond", L"TRadioButton"},
    {L"rbDisabled", L"TRadioButton"}, {L"chkUnchecked", L"TCheckBox"}, {L"chkChecked", L"TCheckBox"},
    {L"chkGrayed", L"TCheckBox"},     {L"chkDisabled", L"TCheckBox"},  {L"chkLeftText", L"TCheckBox"},
    {L"btnBitOk", L"TBitBtn"},        {L"btnBitImage", L"TBitBtn"},    {L"btnBitGlyphTop", L"TBitBtn"},
    {L"btnBitDisabled", L"TBitBtn"},  {L"btnBitGlyphDisabled", L"TBitBtn"},
    {L"sbFlat", L"TSpeedButton"},     {L"sbGroupA", L"TSpeedButton"},  {L"sbGroupB", L"TSpeedButton"},
    {L"sbDisabled", L"TSpeedButton"},
    {L"edtPlain", L"TEdit"},          {L"edtPassword", L"TEdit"},      {L"edtReadOnly", L"TEdit"},
    {L"edtDisabled", L"TEdit"},       {L"mmoNotes", L"TMemo"},         {L"cboDropDown", L"TComboBox"},
    {L"cboList", L"TComboBox"},       {L"cboDisabled", L"TComboBox"},
    {L"lstPlain", L"TListBox"},       {L"lstRows", L"TListBox"},       {L"pbImages", L"TPaintBox"},
    {L"shpCircle", L"TShape"},        {L"shpRound", L"TShape"},        {L"btnAction", L"TButton"},
    {L"alGallery", L"TActionList"},   {L"acGallery", L"TAction"},      {L"dlgOpen", L"TOpenDialog"},
    {L"il16", L"TImageList"},         {L"il24", L"TImageList"},
};

// Each entry is a component of the form with its class; a windowed one has a window of that class
// name that leads back to it, shown unless `hidden` names it, enabled as the control is. The
// entries list every component of the form.
template <size_t N>
void ExpectComponents(TForm& form, const Entry (&entries)[N], const std::set<std::wstring>& hidden = {}) {
  std::set<std::wstring> listed;
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.name);
    listed.insert(e.name);
    TComponent* c = form.FindComponent(e.name);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ClassName(), e.className);
    if (auto* control = dynamic_cast<TWinControl*>(c)) {
      wchar_t windowClass[64] = {};
      GetClassNameW(control->Handle(), windowClass, 64);
      EXPECT_EQ(std::wstring(windowClass), e.className);
      EXPECT_EQ(ControlFromHandle(control->Handle()), control);
      EXPECT_EQ(IsWindowVisible(control->Handle()) != FALSE, hidden.count(e.name) == 0);
      EXPECT_EQ(IsWindowEnabled(control->Handle()) != FALSE, control->Enabled());
    }
  }
  for (int i = 0; i < form.ComponentCount(); ++i)
    EXPECT_EQ(listed.count(form.Components(i)->Name()), 1u)
        << "not in the table: " << std::string(form.Components(i)->Name().begin(), form.Components(i)->Name().end());
}

}  // namespace

TEST(Gallery, EveryComponentIsFoundByNameAndClass) {
  TfrmGallery* gallery = new TfrmGallery(nullptr);
  gallery->Show();
  Pump();
  ExpectComponents(*gallery, kGallery);
  delete gallery;
}

TEST(Gallery, ImageListsHoldTheirStrips) {
  TfrmGallery gallery(nullptr);
  auto* il16 = dynamic_cast<TCustomImageList*>(gallery.FindComponent(L"il16"));
  auto* il24 = dynamic_cast<TCustomImageList*>(gallery.FindComponent(L"il24"));
  ASSERT_TRUE(il16 && il24);
  EXPECT_EQ(il16->Count(), 6);
  EXPECT_EQ(il24->Count(), 2);
  EXPECT_EQ(il24->Width(), 24);
}

TEST(Gallery, TheTreeDemoShowsTwoLevelsOfTriStateBoxes) {
  TfrmTreeDemo demo(nullptr);
  demo.Show();
  Pump();
  TVirtualStringTree* vst = demo.vst;
  EXPECT_EQ(vst->VisibleCount(), 4u + 3u + 3u + 2u);
  EXPECT_EQ(vst->Text(vst->GetFirst(), 0), L"Internet Explorer");
  // The items were painted, so they show their records, and their categories follow them.
  std::vector<TCheckState> categories;
  for (PVirtualNode n = vst->GetFirstChild(nullptr); n; n = vst->GetNextSibling(n)) categories.push_back(vst->CheckState(n));
  EXPECT_EQ(categories, (std::vector<TCheckState>{TCheckState::csCheckedNormal, TCheckState::csMixedNormal,
                                                  TCheckState::csUncheckedNormal, TCheckState::csUncheckedNormal}));
  // Checking the mixed category checks every one of its records.
  vst->SetCheckState(vst->GetNextSibling(vst->GetFirstChild(nullptr)), TCheckState::csCheckedNormal);
  for (const auto& item : demo.Categories[1].Items) EXPECT_TRUE(item.Checked);
}

TEST(Gallery, TheCommonControlsDemoShowsEachControlInItsState) {
  TfrmCommonDemo demo(nullptr);
  demo.Show();
  Pump();
  const Entry kCommon[] = {
      {L"pgcTabs", L"TPageControl"},     {L"tsFiles", L"TTabSheet"},        {L"lvFiles", L"TListView"},
      {L"tsOther", L"TTabSheet"},        {L"tsHiddenTab", L"TTabSheet"},    {L"pgcButtons", L"TPageControl"},
      {L"tsStep1", L"TTabSheet"},        {L"tsStep2", L"TTabSheet"},        {L"lblStep", L"TLabel"},
      {L"tabStrip", L"TTabControl"},     {L"pbHalf", L"TProgressBar"},      {L"pbVertical", L"TProgressBar"},
      {L"ggBar", L"TGauge"},             {L"ggPie", L"TGauge"},             {L"ggNeedle", L"TGauge"},
      {L"tbVolume", L"TTrackBar"},       {L"edtCount", L"TEdit"},           {L"udCount", L"TUpDown"},
      {L"dtpDate", L"TDateTimePicker"},  {L"dtpTime", L"TDateTimePicker"},  {L"hdrColumns", L"THeaderControl"},
      {L"sbStatus", L"TStatusBar"},
  };
  // Pages that are not active stay hidden, and what is on them.
  ExpectComponents(demo, kCommon, {L"tsOther", L"tsHiddenTab", L"tsStep1"});

  auto wnd = [&](const wchar_t* name) { return static_cast<TWinControl*>(demo.FindComponent(name))->Handle(); };
  EXPECT_EQ(SendMessageW(wnd(L"pgcTabs"), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(wnd(L"pgcButtons"), TCM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(wnd(L"tabStrip"), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(wnd(L"lvFiles"), LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_TRUE(demo.lvFiles->Items()->Item(0)->Checked());
  EXPECT_FALSE(demo.lvFiles->Items()->Item(1)->Checked());
  EXPECT_EQ(demo.lvFiles->Selected(), demo.lvFiles->Items()->Item(1));
  EXPECT_EQ(SendMessageW(wnd(L"pbHalf"), PBM_GETPOS, 0, 0), 60);
  EXPECT_EQ(SendMessageW(wnd(L"tbVolume"), TBM_GETPOS, 0, 0), 7);
  wchar_t count[16] = {};
  GetWindowTextW(wnd(L"edtCount"), count, 16);
  EXPECT_STREQ(count, L"5");
  EXPECT_EQ(SendMessageW(wnd(L"sbStatus"), SB_GETPARTS, 0, 0), 3);
}
