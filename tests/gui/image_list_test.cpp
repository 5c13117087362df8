// Image lists: strips split into images of 16 and 24 pixels, masks by colour, by mask bitmap
// and by alpha, images read from a form file, and the normal and greyed drawing (pixel probes).
#include <gtest/gtest.h>

#include "gui/form_reader.h"
#include "gui/forms.h"
#include "gui/image_list.h"
#include "gui_test_support.h"
#include "tests/skin/bmp_bytes.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(0, 128, 0);

// Image i of a strip of `count` images of size s: a square of colour Colour(i) inset by a
// quarter of s on each side, the rest in the key colour (or, in 32 bits, fully transparent).
COLORREF Colour(int i) { return RGB(40 * (i + 1), 20, 200 - 30 * i); }
bool InSquare(int x, int y, int s) { return x >= s / 4 && x < s - s / 4 && y >= s / 4 && y < s - s / 4; }

TBytes Strip(int s, int count, int bits) {
  return MakeBmp({s * count, s, bits, false}, [s, bits](int x, int y) -> uint32_t {
    if (InSquare(x % s, y, s)) return Colour(x / s) | (bits == 32 ? 0xFF000000u : 0u);
    return bits == 32 ? 0u : kKey;
  });
}

std::unique_ptr<TBitmap> Bitmap(const TBytes& bytes) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->LoadFromData(bytes);
  return bmp;
}

// Image `index` drawn at (0, 0) of a background-filled surface shows Colour(shown) inside the
// square and the background outside it.
void ExpectDrawn(TCustomImageList& list, int index, int s, int shown) {
  Surface surface(s, s, kBackground);
  TCanvas canvas(surface.dc());
  list.Draw(canvas, 0, 0, index);
  ExpectColour(surface.At(s / 2, s / 2), Colour(shown));
  ExpectColour(surface.At(1, 1), kBackground);
  ExpectColour(surface.At(s - 2, s - 2), kBackground);
}

class ImageListSizes : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(ImageListSizes, AddMaskedSplitsTheStripAndDrawsTransparent) {
  const int s = GetParam();
  TImageList list(nullptr);
  list.SetWidth(s);
  list.SetHeight(s);
  auto strip = Bitmap(Strip(s, 3, 24));
  EXPECT_EQ(list.AddMasked(strip.get(), static_cast<TColor>(kKey)), 0);
  EXPECT_EQ(list.AddMasked(strip.get(), static_cast<TColor>(kKey)), 3);
  ASSERT_EQ(list.Count(), 6);
  int cx = 0, cy = 0;
  ASSERT_TRUE(ImageList_GetIconSize(list.Handle(), &cx, &cy));
  EXPECT_EQ(cx, s);
  EXPECT_EQ(cy, s);
  for (int i = 0; i < 6; ++i) ExpectDrawn(list, i, s, i % 3);
  // The caller's bitmap keeps its key colour (the system blackens what it is given).
  Surface probe(s, s, 0);
  TCanvas canvas(probe.dc());
  strip->Draw(canvas, Rect(0, 0, 3 * s, s));
  ExpectColour(probe.At(0, 0), kKey);
}

TEST_P(ImageListSizes, GreyedDrawingIsAnEmbossedOutlineOfTheShape) {
  const int s = GetParam();
  for (int bits : {24, 32}) {
    SCOPED_TRACE(bits);
    TImageList list(nullptr);
    list.SetWidth(s);
    list.SetHeight(s);
    list.SetMasked(bits == 24);
    list.LoadBitmapData(Strip(s, 2, bits));
    ASSERT_EQ(list.Count(), 2);
    Surface surface(s, s, kBackground);
    TCanvas canvas(surface.dc());
    list.Draw(canvas, 0, 0, 1, false);
    const int last = s - s / 4 - 1;  // the square's last row and column
    ExpectColour(surface.At(s / 2, s / 2), ColorToRGB(clBtnShadow));
    ExpectColour(surface.At(last, last), ColorToRGB(clBtnShadow));
    ExpectColour(surface.At(last + 1, s / 2), ColorToRGB(clBtnHighlight));
    ExpectColour(surface.At(s / 2, last + 1), ColorToRGB(clBtnHighlight));
    ExpectColour(surface.At(1, 1), kBackground);
    ExpectColour(surface.At(last + 2, s / 2), kBackground);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ImageListSizes, ::testing::Values(16, 24));

TEST(ImageList, AlphaStripsAndMaskBitmaps) {
  TImageList alpha(nullptr);
  alpha.SetMasked(false);
  alpha.LoadBitmapData(Strip(16, 2, 32));
  ASSERT_EQ(alpha.Count(), 2);
  ExpectDrawn(alpha, 1, 16, 1);

  // A monochrome mask: white is transparent, black shows the image.
  TImageList masked(nullptr);
  auto image = Bitmap(MakeBmp({16, 16, 24, false}, [](int, int) { return uint32_t(Colour(0)); }));
  auto mask = Bitmap(MakeBmp({16, 16, 24, false}, [](int x, int y) -> uint32_t {
    return InSquare(x, y, 16) ? 0 : 0xFFFFFF;
  }));
  ASSERT_EQ(masked.Add(image.get(), mask.get()), 0);
  ExpectDrawn(masked, 0, 16, 0);
}

TEST(ImageList, CountsCopiesDeletesAndClears) {
  TImageList list(nullptr);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.HandleAllocated());  // nothing is made before it is needed
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.LoadBitmapData(Strip(16, 3, 24));
  EXPECT_EQ(changes, 1);

  TImageList copy(nullptr);
  EXPECT_EQ(copy.AddImage(&list, 2), 0);
  EXPECT_EQ(copy.AddImage(&list, 3), -1);
  ExpectDrawn(copy, 0, 16, 2);
}

TEST(ImageList, BadIndexesAndStripsAreHarmless) {
  TImageList list(nullptr);
  list.LoadBitmapData(Strip(16, 3, 24));
  Surface surface(16, 16, kBackground);
  TCanvas canvas(surface.dc());
  for (int index : {-1, 3, 100}) {
    list.Draw(canvas, 0, 0, index);
    list.Draw(canvas, 0, 0, index, false);
    list.Delete(index);
  }
  ExpectColour(surface.At(8, 8), kBackground);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_THROW(list.LoadBitmapData(TBytes{'B', 'M', 0, 0}), Exception);
  EXPECT_THROW(list.LoadBitmapData(Strip(8, 1, 24)), Exception);  // smaller than one image
  EXPECT_EQ(list.Count(), 3);

  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  ExpectDrawn(list, 0, 16, 1);  // the old image 1 moved up
}

TEST(ImageList, ChangingTheSizeEmptiesTheList) {
  TImageList list(nullptr);
  list.LoadBitmapData(Strip(16, 2, 24));
  list.SetWidth(24);
  EXPECT_EQ(list.Count(), 0);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list.Handle(), &cx, &cy);
  EXPECT_EQ(cx, 24);
  EXPECT_EQ(cy, 16);
}

TEST(ImageList, FormFileImagesFollowTheListSizeWhateverTheOrder) {
  TForm form(nullptr);
  const std::wstring text =
      L"object Form1: TForm\n"
      L"  object il2: TImageList\n"
      L"    Bitmap.File = 'il2.bmp'\n"
      L"    Height = 24\n"
      L"    Width = 24\n"
      L"  end\n"
      L"end\n";
  ReadForm(&form, text, L"test.dfm", [](const std::wstring& path) {
    EXPECT_EQ(path, L"il2.bmp");
    return Strip(24, 4, 24);
  });
  auto* list = dynamic_cast<TImageList*>(form.FindComponent(L"il2"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Count(), 4);
  ExpectDrawn(*list, 3, 24, 3);
}

TEST(ImageList, GetBitmapGivesOneImageOverItsBackground) {
  TImageList list(nullptr);
  list.SetWidth(24);
  list.SetHeight(24);
  list.LoadBitmapData(Strip(24, 3, 24));
  TBitmap image(5, 7);
  list.GetBitmap(2, &image, static_cast<TColor>(kBackground));
  EXPECT_EQ(image.Width(), 24);
  EXPECT_EQ(image.Height(), 24);
  ExpectColour(image.Pixel(12, 12), Colour(2));
  ExpectColour(image.Pixel(1, 1), kBackground);
  // A bad index gives the background alone.
  list.GetBitmap(7, &image);
  ExpectColour(image.Pixel(12, 12), RGB(255, 255, 255));
}
