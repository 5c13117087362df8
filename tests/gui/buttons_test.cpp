// Buttons: check box clicks on real changes only, radio groups, bit button accelerators, kinds
// and glyph layout (pixel probes of the owner drawing), speed button group latching.
#include <gtest/gtest.h>

#include "gui/buttons.h"
#include "gui/ext_ctrls.h"
#include "gui/form_reader.h"
#include "gui/properties.h"
#include "gui_test_support.h"
#include "tests/skin/bmp_bytes.h"

namespace {

constexpr COLORREF kGlyph = RGB(200, 30, 60);

// A 16 x 16 image list whose only image is a solid square of kGlyph.
void FillList(TImageList& list) {
  TBitmap bmp;
  bmp.LoadFromData(MakeBmp({16, 16, 24, false}, [](int, int) { return uint32_t(kGlyph); }));
  list.Add(&bmp, nullptr);
}

class TfrmChecks : public TForm {
  QS_FORM(TfrmChecks)

 public:
  explicit TfrmChecks(TComponent* owner) : TForm(owner) {}
  TCheckBox* chk = nullptr;
  int clicks = 0;
  void chkClick(TObject*) { ++clicks; }
};

}  // namespace

QS_FORM_IMPL(TfrmChecks, TForm, QS_FIELD(chk), QS_HANDLER(chkClick))

TEST(CheckBox, OnClickFiresOnEveryRealChangeOnly) {
  TForm form(nullptr);
  auto* box = new TCheckBox(&form);
  box->SetParent(&form);
  form.Show();
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  auto userClick = [&] { SendMessageW(box->Handle(), BM_CLICK, 0, 0); };
  struct Step {
    const char* what;
    std::function<void()> act;
    TCheckBoxState state;
    int clicks;
  };
  const Step steps[] = {
      {"check in code", [&] { box->SetChecked(true); }, TCheckBoxState::cbChecked, 1},
      {"check again", [&] { box->SetChecked(true); }, TCheckBoxState::cbChecked, 1},
      {"grey in code", [&] { box->SetState(TCheckBoxState::cbGrayed); }, TCheckBoxState::cbGrayed, 2},
      {"uncheck", [&] { box->SetChecked(false); }, TCheckBoxState::cbUnchecked, 3},
      {"uncheck again", [&] { box->SetChecked(false); }, TCheckBoxState::cbUnchecked, 3},
      {"user click", userClick, TCheckBoxState::cbChecked, 4},
      {"user click", userClick, TCheckBoxState::cbUnchecked, 5},
      {"allow grey", [&] { box->SetAllowGrayed(true); }, TCheckBoxState::cbUnchecked, 5},
      {"user click", userClick, TCheckBoxState::cbGrayed, 6},
      {"user click", userClick, TCheckBoxState::cbChecked, 7},
      {"user click", userClick, TCheckBoxState::cbUnchecked, 8},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    EXPECT_EQ(box->State(), s.state);
    EXPECT_EQ(clicks, s.clicks);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(s.state));
  }
}

TEST(CheckBox, ReadingAFormDoesNotClick) {
  TfrmChecks form(nullptr);
  ReadForm(&form,
           L"object frmChecks: TfrmChecks\n"
           L"  object chk: TCheckBox\n"
           L"    OnClick = chkClick\n"
           L"    Checked = True\n"
           L"  end\n"
           L"end\n",
           L"checks.dfm", nullptr);
  ASSERT_NE(form.chk, nullptr);
  EXPECT_TRUE(form.chk->Checked());
  EXPECT_EQ(form.clicks, 0);
  form.chk->SetChecked(false);
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(SendMessageW(form.chk->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsOnly) {
  TForm form(nullptr);
  TPanel* other = new TPanel(&form);
  other->SetParent(&form);
  TRadioButton* a = new TRadioButton(&form);
  TRadioButton* b = new TRadioButton(&form);
  TRadioButton* elsewhere = new TRadioButton(&form);
  a->SetParent(&form);
  b->SetParent(&form);
  elsewhere->SetParent(other);
  form.Show();
  std::wstring clicked;
  a->OnClick = [&](TObject*) { clicked += L"a"; };
  b->OnClick = [&](TObject*) { clicked += L"b"; };
  elsewhere->SetChecked(true);
  a->SetChecked(true);
  SendMessageW(b->Handle(), BM_CLICK, 0, 0);
  SendMessageW(b->Handle(), BM_CLICK, 0, 0);  // already checked: no change, no click
  EXPECT_EQ(clicked, L"ab");
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(SendMessageW(a->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(b->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(Accelerators, TheLetterAfterASingleAmpersand) {
  struct Case {
    const wchar_t* caption;
    wchar_t key;
    bool accel;
  };
  const Case cases[] = {{L"&Scan", L'S', true},      {L"&Scan", L's', true},  {L"&Scan", L'c', false},
                        {L"Save && &Quit", L'Q', true}, {L"Save && &Quit", L'S', false},
                        {L"a&&b", L'b', false},       {L"End&", L'&', false},  {L"", L'A', false}};
  for (const Case& c : cases) EXPECT_EQ(IsAccel(c.key, c.caption), c.accel) << c.caption << " " << char(c.key);
}

TEST(BitBtn, AcceleratorPressesAnEnabledButton) {
  TForm form(nullptr);
  auto* btn = new TBitBtn(&form);
  btn->SetParent(&form);
  btn->SetCaption(L"&Scan");
  btn->SetModalResult(mrRetry);
  form.Show();
  int clicks = 0;
  btn->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_EQ(btn->Perform(CM_DIALOGCHAR, L'x'), 0);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(btn->Perform(CM_DIALOGCHAR, L's'), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.ModalResult(), mrRetry);
  EXPECT_TRUE(btn->Focused());
  btn->SetEnabled(false);
  EXPECT_EQ(btn->Perform(CM_DIALOGCHAR, L'S'), 0);
  EXPECT_EQ(clicks, 1);
}

TEST(BitBtn, KindGivesCaptionModalResultAndDefaultOrCancel) {
  TBitBtn ok(nullptr), cancel(nullptr);
  ok.SetKind(TBitBtnKind::bkOK);
  cancel.SetKind(TBitBtnKind::bkCancel);
  EXPECT_EQ(ok.Caption(), L"OK");
  EXPECT_EQ(ok.ModalResult(), mrOk);
  EXPECT_TRUE(ok.Default());
  EXPECT_EQ(cancel.ModalResult(), mrCancel);
  EXPECT_TRUE(cancel.Cancel());
  EXPECT_EQ(GetEnumProp(&ok, L"Kind").value_or(L""), L"bkOK");
}

TEST(BitBtn, GlyphGoesWhereLayoutAndMarginPutIt) {
  TForm form(nullptr);
  TImageList list(nullptr);
  FillList(list);
  auto* btn = new TBitBtn(&form);
  btn->SetParent(&form);
  btn->SetBounds(0, 0, 75, 25);
  btn->SetImages(&list);
  btn->SetImageIndex(0);
  btn->SetMargin(4);
  form.Show();
  EXPECT_EQ(GetWindowLongPtrW(btn->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  // The face inside the 2-pixel edge is (2, 2)-(73, 23); the glyph is 16 x 16.
  struct Case {
    TButtonLayout layout;
    POINT glyph;  // its top-left
  };
  const Case cases[] = {{TButtonLayout::blGlyphLeft, {6, 4}},
                        {TButtonLayout::blGlyphRight, {53, 4}},
                        {TButtonLayout::blGlyphTop, {29, 6}},
                        {TButtonLayout::blGlyphBottom, {29, 3}}};
  for (bool enabled : {true, false}) {
    btn->SetEnabled(enabled);
    for (const Case& c : cases) {
      SCOPED_TRACE(static_cast<int>(c.layout) * 2 + enabled);
      btn->SetLayout(c.layout);
      Surface surface(75, 25, RGB(0, 0, 0));
      DRAWITEMSTRUCT item = {};
      item.CtlType = ODT_BUTTON;
      item.hwndItem = btn->Handle();
      item.hDC = surface.dc();
      item.rcItem = Rect(0, 0, 75, 25);
      item.itemState = enabled ? 0 : ODS_DISABLED;
      btn->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
      ExpectColour(surface.At(c.glyph.x + 8, c.glyph.y + 8), enabled ? kGlyph : ColorToRGB(clBtnShadow));
      ExpectColour(surface.At(c.glyph.x + 1, c.glyph.y + 1), enabled ? kGlyph : ColorToRGB(clBtnShadow));
      ExpectColour(surface.At(c.glyph.x - 1, c.glyph.y + 8), ColorToRGB(clBtnFace));
    }
  }
}

TEST(SpeedButton, GroupsLatchOneButtonDown) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  TSpeedButton* b[4];
  for (int i = 0; i < 4; ++i) {
    b[i] = new TSpeedButton(&form);
    b[i]->SetParent(&form);
    b[i]->SetBounds(i * 30, 0, 25, 25);
    b[i]->SetGroupIndex(i < 3 ? 1 : 0);
  }
  form.Show();
  int clicks = 0;
  for (TSpeedButton* s : b) s->OnClick = [&](TObject*) { ++clicks; };
  auto click = [&](int i) {
    LPARAM at = MAKELPARAM(i * 30 + 10, 10);
    form.Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    form.Perform(WM_LBUTTONUP, 0, at);
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    const char* down;  // which of the four are down afterwards
  };
  const Step steps[] = {
      {"click 0", [&] { click(0); }, "1000"},
      {"click 1", [&] { click(1); }, "0100"},
      {"click 1 again stays down", [&] { click(1); }, "0100"},
      {"ungrouped never latches", [&] { click(3); }, "0100"},
      {"allow all up", [&] { b[1]->SetAllowAllUp(true); }, "0100"},
      {"click 1 comes up", [&] { click(1); }, "0000"},
      {"down in code", [&] { b[2]->SetDown(true); }, "0010"},
      {"down in code releases the group", [&] { b[0]->SetDown(true); }, "1000"},
      {"ungrouped down in code", [&] { b[3]->SetDown(true); }, "1000"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act();
    std::string down;
    for (TSpeedButton* x : b) down += x->Down() ? '1' : '0';
    EXPECT_EQ(down, s.down);
  }
  EXPECT_EQ(clicks, 5);
}

TEST(SpeedButton, PaintsTheGlyphFrameOfItsState) {
  TForm form(nullptr);
  form.SetColor(RGB(0, 0, 0));
  auto* btn = new TSpeedButton(&form);
  btn->SetParent(&form);
  btn->SetBounds(0, 0, 24, 24);
  btn->SetFlat(true);
  btn->Glyph()->LoadFromData(MakeBmp({32, 16, 24, false}, [](int x, int y) -> uint32_t {
    if (y == 15 || x % 16 == 0) return RGB(255, 0, 255);  // the key colour at the bottom-left
    return x < 16 ? kGlyph : RGB(20, 200, 20);           // frame 0 up, frame 1 disabled
  }));
  btn->SetNumGlyphs(2);
  btn->SetGroupIndex(1);
  struct Case {
    bool enabled;
    bool down;
    POINT probe;
    COLORREF colour;
  };
  // Up, the glyph's top-left is (4, 4) and its first column is transparent; down, it moves one
  // pixel right and down; a disabled button shows frame 1.
  const Case cases[] = {{true, false, {5, 12}, kGlyph},
                        {true, false, {4, 12}, RGB(0, 0, 0)},
                        {true, true, {5, 12}, RGB(0, 0, 0)},
                        {true, true, {6, 12}, kGlyph},
                        {false, false, {12, 12}, RGB(20, 200, 20)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.probe.x + 100 * c.down + 1000 * c.enabled);
    btn->SetEnabled(c.enabled);
    btn->SetDown(c.down);
    Surface surface(24, 24, RGB(0, 0, 0));
    form.PaintControls(surface.dc());
    ExpectColour(surface.At(c.probe.x, c.probe.y), c.colour);
  }
}

TEST(GroupBox, AlignedChildrenStayInsideTheFrameBelowTheCaption) {
  TForm form(nullptr);
  auto* box = new TGroupBox(&form);
  box->SetParent(&form);
  box->SetCaption(L"Program List");
  box->SetBounds(0, 0, 200, 120);
  auto* inner = new TPanel(&form);
  inner->SetParent(box);
  inner->SetAlign(TAlign::alClient);
  form.Show();
  EXPECT_GT(inner->Top(), 8);  // below a caption of any font height
  EXPECT_GT(inner->Left(), 0);
  EXPECT_LT(inner->Left() + inner->Width(), 200);
  EXPECT_LT(inner->Top() + inner->Height(), 120);
  EXPECT_EQ(box->ClassName(), L"TGroupBox");
  EXPECT_TRUE(box->InheritsFrom(L"TCustomGroupBox"));
}

TEST(GroupBox, TakesItsParentsColourUntilGivenOne) {
  TForm form(nullptr);
  form.SetColor(clWhite);
  auto* box = new TGroupBox(&form);
  box->SetParent(&form);
  auto* radio = new TRadioButton(&form);
  radio->SetParent(box);
  form.Show();
  EXPECT_EQ(box->Color(), clWhite);
  // The radio button paints over the frame's colour, which is the page's.
  HDC dc = GetDC(radio->Handle());
  SendMessageW(box->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(radio->Handle()));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  ReleaseDC(radio->Handle(), dc);
  form.SetColor(clYellow);
  EXPECT_EQ(box->Color(), clYellow);
  box->SetColor(clRed);
  form.SetColor(clWhite);
  EXPECT_EQ(box->Color(), clRed);
}

// A frame given a colour of its own still paints its page's background; the boxes inside it
// paint that too, through frames inside frames, and not the frame's own colour.
TEST(GroupBox, BoxesInsideAFrameThatPaintsThePageTakeThePagesColour) {
  TForm form(nullptr);
  form.SetColor(clYellow);
  auto* outer = new TGroupBox(&form);
  outer->SetParent(&form);
  outer->SetBounds(0, 0, 200, 150);
  outer->SetColor(clWhite);
  auto* inner = new TGroupBox(&form);
  inner->SetParent(outer);
  inner->SetBounds(10, 20, 150, 100);
  auto* check = new TCheckBox(&form);
  check->SetParent(inner);
  check->SetTop(30);
  auto* own = new TCheckBox(&form);
  own->SetParent(outer);
  own->SetParentBackground(false);
  own->SetColor(clRed);
  form.Show();
  auto background = [](TWinControl* parent, TWinControl* control) {
    HDC dc = GetDC(control->Handle());
    SendMessageW(parent->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control->Handle()));
    const COLORREF colour = GetBkColor(dc);
    ReleaseDC(control->Handle(), dc);
    return colour;
  };
  EXPECT_EQ(background(inner, check), RGB(255, 255, 0));
  // Without ParentBackground a box keeps its own colour.
  EXPECT_EQ(background(outer, own), RGB(255, 0, 0));
  outer->SetParentBackground(false);
  EXPECT_EQ(background(inner, check), RGB(255, 255, 255));
}

TEST(BitBtn, AltLetterThroughTheMessageLoopPressesIt) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  auto* scan = new TBitBtn(&form);
  scan->SetParent(&form);
  scan->SetCaption(L"&Scan");
  auto* other = new TButton(&form);
  other->SetParent(&form);
  other->SetTop(30);
  other->SetCaption(L"&Other");
  form.Show();
  int clicks = 0;
  scan->OnClick = [&](TObject*) { ++clicks; };
  // Alt+letter as the keyboard delivers it to the window with the focus.
  for (wchar_t key : {L'x', L's', L'S'}) {
    PostMessageW(other->Handle(), WM_SYSCHAR, key, 1 << 29);
    Pump();
  }
  EXPECT_EQ(clicks, 2);
}
