// Pictures (PNG with alpha through GDI+, BMP, ICO) and how windowless controls are painted
// over each other by their parent.
#include <gtest/gtest.h>

#include "base/exception.h"
#include "gui/ext_ctrls.h"
#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/std_ctrls.h"
#include "gui_test_support.h"

TEST(Pictures, PngKeepsItsAlphaChannel) {
  TPicture picture;
  picture.LoadFromData(LoadResourceData(L"pics/dot.png"));
  ASSERT_TRUE(picture.Graphic()->InheritsFrom(L"TPngImage"));
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
  Surface s(3, 2, RGB(128, 128, 128));
  TCanvas canvas(s.dc());
  canvas.Draw(0, 0, picture.Graphic());
  ExpectColour(s.At(0, 0), RGB(255, 0, 0));
  ExpectColour(s.At(1, 0), RGB(0, 255, 0));
  ExpectColour(s.At(2, 0), RGB(128, 128, 128));   // fully transparent
  ExpectColour(s.At(0, 1), RGB(0, 0, 255));
  ExpectColour(s.At(1, 1), RGB(192, 192, 192), 2);  // white at half alpha over grey
  ExpectColour(s.At(2, 1), RGB(0, 0, 0));
}

TEST(Pictures, PngCopiesShareOneDecodingMadeWhenFirstDrawn) {
  TPicture picture;
  picture.LoadFromData(LoadResourceData(L"pics/dot.png"));
  TPicture copy;
  copy.Assign(&picture);
  auto* original = static_cast<TPngImage*>(picture.Graphic());
  auto* copied = static_cast<TPngImage*>(copy.Graphic());
  ASSERT_NE(original, copied);
  EXPECT_EQ(copied->Width(), 3);
  EXPECT_EQ(copied->Height(), 2);
  Surface s(3, 2, RGB(128, 128, 128));
  TCanvas canvas(s.dc());
  canvas.Draw(0, 0, copied);
  ExpectColour(s.At(0, 0), RGB(255, 0, 0));
  ExpectColour(s.At(2, 0), RGB(128, 128, 128));
  ASSERT_NE(copied->Handle(), nullptr);
  EXPECT_EQ(original->Handle(), copied->Handle());
}

TEST(Pictures, PngWithABrokenBodyKeepsItsSizeAndDrawsNothing) {
  TBytes bytes = LoadResourceData(L"pics/dot.png");
  // Signature and header chunk (8 + 25 bytes), then bytes that are no image data.
  bytes.resize(33);
  bytes.insert(bytes.end(), {0, 0, 0, 4, 'I', 'D', 'A', 'T', 1, 2, 3, 4, 0, 0, 0, 0});
  TPicture picture;
  picture.LoadFromData(bytes);
  EXPECT_EQ(picture.Width(), 3);
  Surface s(3, 2, RGB(1, 2, 3));
  TCanvas canvas(s.dc());
  canvas.Draw(0, 0, picture.Graphic());
  ExpectColour(s.At(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(static_cast<TPngImage*>(picture.Graphic())->Handle(), nullptr);

  // Without a header chunk giving a size it is no PNG at all.
  for (size_t cut : {size_t{8}, size_t{20}}) {
    TBytes head(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_THROW(picture.LoadFromData(head), Exception);
  }
  TBytes zeroWidth(bytes);
  zeroWidth[16] = zeroWidth[17] = zeroWidth[18] = zeroWidth[19] = 0;
  EXPECT_THROW(picture.LoadFromData(zeroWidth), Exception);
}

TEST(Pictures, BitmapsAndIcons) {
  TPicture bmp;
  bmp.LoadFromData(LoadResourceData(L"pics/box.bmp"));
  ASSERT_TRUE(bmp.Graphic()->InheritsFrom(L"TBitmap"));
  Surface s(2, 2, RGB(0, 0, 0));
  TCanvas canvas(s.dc());
  canvas.Draw(0, 0, bmp.Graphic());
  ExpectColour(s.At(0, 0), RGB(0, 0, 255));  // rows are stored bottom-up
  ExpectColour(s.At(1, 0), RGB(255, 255, 255));
  ExpectColour(s.At(0, 1), RGB(255, 0, 0));
  ExpectColour(s.At(1, 1), RGB(0, 255, 0));

  TPicture ico;
  ico.LoadFromData(LoadResourceData(L"pics/app.ico"));
  ASSERT_TRUE(ico.Graphic()->InheritsFrom(L"TIcon"));
  EXPECT_EQ(ico.Width(), 16);
  Surface t(16, 16, RGB(0, 0, 0));
  TCanvas iconCanvas(t.dc());
  iconCanvas.Draw(0, 0, ico.Graphic());
  ExpectColour(t.At(8, 8), RGB(255, 128, 0));
}

TEST(Pictures, AnIconHandleTakenOverIsSizedDrawnAndReplaced) {
  TPicture ico;
  ico.LoadFromData(LoadResourceData(L"pics/app.ico"));
  const HICON source = static_cast<TIcon*>(ico.Graphic())->Handle();
  TIcon icon;
  icon.SetHandle(CopyIcon(source));
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  Surface t(16, 16, RGB(0, 0, 0));
  TCanvas canvas(t.dc());
  canvas.Draw(0, 0, &icon);
  ExpectColour(t.At(8, 8), RGB(255, 128, 0));
  // A 32-pixel icon in place of the first one; the first is destroyed with the change.
  const HICON first = icon.Handle();
  icon.SetHandle(static_cast<HICON>(CopyImage(source, IMAGE_ICON, 32, 32, 0)));
  EXPECT_EQ(icon.Width(), 32);
  ICONINFO info;
  EXPECT_FALSE(GetIconInfo(first, &info));
  icon.SetHandle(nullptr);
  EXPECT_TRUE(icon.Empty());
  EXPECT_EQ(icon.Width(), 0);
}

TEST(Pictures, StretchingScalesTheWholePicture) {
  TPicture bmp;
  bmp.LoadFromData(LoadResourceData(L"pics/box.bmp"));
  Surface s(20, 20, RGB(0, 0, 0));
  TCanvas canvas(s.dc());
  canvas.StretchDraw(Rect(0, 0, 20, 20), bmp.Graphic());
  ExpectColour(s.At(2, 2), RGB(0, 0, 255));
  ExpectColour(s.At(17, 17), RGB(0, 255, 0));
}

namespace {
// An 8-bit bitmap that claims 256 colours but has no colour table: its pixels follow the
// info header at once. GDI would read the table from past the end of the header.
TBytes PaletteCutShort() {
  TBytes bmp(14 + 40 + 16, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = uint8_t(v >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, uint32_t(bmp.size()));
  put32(10, 14 + 40);
  put32(14, 40);
  put32(18, 4);
  put32(22, 4);
  bmp[26] = 1;   // planes
  bmp[28] = 8;   // bits per pixel
  put32(46, 256);
  return bmp;
}
}  // namespace

TEST(Pictures, BadDataIsRefusedAndLeavesThePictureAsItWas) {
  TPicture picture;
  picture.LoadFromData(LoadResourceData(L"pics/box.bmp"));
  TBytes png = LoadResourceData(L"pics/dot.png");
  struct Case {
    TBytes data;
  } cases[] = {
      {TBytes{1, 2, 3}},
      {TBytes()},
      {TBytes(png.begin(), png.begin() + 20)},                     // PNG cut short
      {TBytes{'B', 'M', 0, 0}},                                      // BMP header cut short
      {PaletteCutShort()},                                           // 8-bit BMP whose colour table is missing
      {TBytes{0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0xFF, 0xFF, 0, 0, 22, 0, 0, 0}},  // ICO entry past the end
  };
  for (const Case& c : cases) {
    EXPECT_THROW(picture.LoadFromData(c.data), Exception);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.Graphic()->InheritsFrom(L"TBitmap"));
  }
}

TEST(Pictures, AssignCopiesTheGraphic) {
  TPicture a, b;
  a.LoadFromData(LoadResourceData(L"pics/dot.png"));
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  ASSERT_NE(b.Graphic(), nullptr);
  EXPECT_NE(b.Graphic(), a.Graphic());
  EXPECT_EQ(b.Width(), 3);
  a.Clear();
  EXPECT_EQ(b.Width(), 3);
  // The copy has the pixels and the alpha of its own.
  Surface s(3, 2, RGB(128, 128, 128));
  TCanvas canvas(s.dc());
  canvas.Draw(0, 0, b.Graphic());
  ExpectColour(s.At(0, 0), RGB(255, 0, 0));
  ExpectColour(s.At(2, 0), RGB(128, 128, 128));
  for (const wchar_t* name : {L"pics/box.bmp", L"pics/app.ico"}) {
    TPicture source, copy;
    source.LoadFromData(LoadResourceData(name));
    copy.Assign(&source);
    ASSERT_NE(copy.Graphic(), nullptr);
    EXPECT_EQ(copy.Width(), source.Width());
    EXPECT_EQ(copy.Graphic()->ClassName(), source.Graphic()->ClassName());
  }
  b.Assign(&a);
  EXPECT_EQ(b.Graphic(), nullptr);
}

TEST(Pictures, WindowlessControlsArePaintedInZOrderAndTransparentLabelsShowWhatIsBelow) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetColor(RGB(0, 0, 0));
  form.SetBounds(0, 0, 60, 40);
  auto* image = new TImage(&form);
  image->SetParent(&form);
  image->SetBounds(0, 0, 60, 40);
  image->SetStretch(true);
  image->Picture()->LoadFromData(LoadResourceData(L"pics/box.bmp"));
  auto* clear = new TLabel(&form);
  clear->SetParent(&form);
  clear->SetTransparent(true);
  clear->SetCaption(L" ");
  clear->SetBounds(2, 2, 20, 10);
  auto* solid = new TLabel(&form);
  solid->SetParent(&form);
  solid->SetAutoSize(false);
  solid->SetColor(RGB(255, 255, 0));
  solid->SetBounds(40, 30, 15, 8);
  Surface s(60, 40, RGB(0, 0, 0));
  SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.dc()), PRF_CLIENT);
  ExpectColour(s.At(5, 5), RGB(0, 0, 255));       // the picture through the transparent label
  ExpectColour(s.At(45, 33), RGB(255, 255, 0));   // the opaque label above the picture
  ExpectColour(s.At(45, 25), RGB(0, 255, 0));     // the picture beside it
}
