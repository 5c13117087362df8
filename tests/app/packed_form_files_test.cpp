#include "app/packed_form_files.h"

#include <gtest/gtest.h>

#include <map>

#include "base/exception.h"
#include "skin/packer/lzh_encoder.h"

namespace {

// Bytes that pack well and bytes that do not, long enough to cross the decoder's blocks.
TBytes Sample() {
  TBytes bytes;
  for (int i = 0; i < 20000; ++i) bytes.push_back(static_cast<uint8_t>(i % 7 == 0 ? (i * 131) >> 3 : 'B'));
  return bytes;
}

TEST(UnpackingFileSource, UnpacksWhatEndsInLzhAndPassesTheRestOn) {
  const TBytes plain = Sample();
  const TBytes packed = PackStoredSkin(plain);
  std::map<std::wstring, TBytes> files = {
      {L"splash/splash.bmp.lzh", packed}, {L"PICTURE.BMP.LZH", packed}, {L"splash/splash.bmp", packed}};
  TFormFileSource source = UnpackingFileSource([&](const std::wstring& path) { return files.at(path); });
  EXPECT_EQ(source(L"splash/splash.bmp.lzh"), plain);
  EXPECT_EQ(source(L"PICTURE.BMP.LZH"), plain);
  // Any other name is given as it is, even bytes that happen to be packed.
  EXPECT_EQ(source(L"splash/splash.bmp"), packed);
}

TEST(UnpackingFileSource, RefusesAPackedFileCutShort) {
  TBytes packed = PackStoredSkin(Sample());
  packed.resize(packed.size() / 2);
  TFormFileSource source = UnpackingFileSource([&](const std::wstring&) { return packed; });
  EXPECT_THROW(source(L"cut.bmp.lzh"), Exception);
}

}  // namespace
