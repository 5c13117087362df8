#include "common/version_info.h"

#include <gtest/gtest.h>

#include "base/files.h"

namespace {

// The eleven strings, named for failure messages.
const struct {
  const char* name;
  std::wstring TVersionInfo::*member;
} kStrings[] = {
    {"CompanyName", &TVersionInfo::CompanyName},       {"FileDescription", &TVersionInfo::FileDescription},
    {"FileVersion", &TVersionInfo::FileVersion},       {"InternalName", &TVersionInfo::InternalName},
    {"LegalCopyright", &TVersionInfo::LegalCopyright}, {"LegalTrademarks", &TVersionInfo::LegalTrademarks},
    {"OriginalFilename", &TVersionInfo::OriginalFilename}, {"ProductName", &TVersionInfo::ProductName},
    {"ProductVersion", &TVersionInfo::ProductVersion}, {"Comments", &TVersionInfo::Comments},
    {"LocalPort", &TVersionInfo::LocalPort},
};

// Every field set to a value no fixture holds, so untouched fields show.
TVersionInfo Untouched() {
  TVersionInfo info;
  DWORD* words[] = {&info.Signature,      &info.StrucVersion,     &info.FileVersionMS, &info.FileVersionLS,
                    &info.ProductVersionMS, &info.ProductVersionLS, &info.FileFlagsMask, &info.FileFlags,
                    &info.FileOS,         &info.FileType,         &info.FileSubtype,   &info.FileDateMS,
                    &info.FileDateLS};
  for (DWORD* w : words) *w = 0xA5A5A5A5;
  for (const auto& field : kStrings) info.*field.member = L"untouched";
  return info;
}

void ExpectSameStrings(const TVersionInfo& a, const TVersionInfo& b) {
  for (const auto& field : kStrings) EXPECT_EQ(a.*field.member, b.*field.member) << field.name;
}

std::wstring Fixture(const wchar_t* name) { return ProgramFolder() + name; }

}  // namespace

TEST(VersionInfo, FileWithoutVersionResourceStaysUntouched) {
  ASSERT_TRUE(FileExists(Fixture(L"vi_fixture_none.exe")));
  for (const std::wstring& file : {Fixture(L"vi_fixture_none.exe"), Fixture(L"missing.exe"), std::wstring()}) {
    TVersionInfo info = Untouched();
    ReadVersionInfo(file, info);
    EXPECT_EQ(info.Signature, 0xA5A5A5A5u);
    EXPECT_EQ(info.FileDateLS, 0xA5A5A5A5u);
    ExpectSameStrings(info, Untouched());
  }
}

TEST(VersionInfo, StringsWithoutLocalPortGiveTheDefaultPort) {
  TVersionInfo info = Untouched();
  ReadVersionInfo(Fixture(L"vi_fixture_no_port.exe"), info);
  EXPECT_EQ(info.Signature, 0xFEEF04BDu);
  EXPECT_EQ(info.FileVersionMS, 0x00010002u);
  EXPECT_EQ(info.FileVersionLS, 0x00030004u);
  EXPECT_EQ(info.ProductVersionMS, 0x00050006u);
  EXPECT_EQ(info.ProductVersionLS, 0x00070008u);
  EXPECT_EQ(info.FileFlagsMask, 0x3Fu);
  EXPECT_EQ(info.FileFlags, 0x2u);
  EXPECT_EQ(info.FileOS, 0x40004u);
  EXPECT_EQ(info.FileType, 0x1u);
  EXPECT_EQ(info.FileSubtype, 0u);
  TVersionInfo expected = Untouched();
  expected.CompanyName = L"Fixture Company";
  expected.FileDescription = L"Fixture without LocalPort";
  expected.FileVersion = L"1.2.3.4";
  expected.InternalName = L"noport";
  expected.LegalCopyright = L"(c) Fixture";
  expected.OriginalFilename = L"no_port.exe";
  expected.ProductName = L"Fixture Product";
  expected.ProductVersion = L"5.6.7.8";
  expected.LocalPort = L"66500";
  ExpectSameStrings(info, expected);  // Comments and LegalTrademarks untouched
}

TEST(VersionInfo, OnlyTheFirstTranslationIsRead) {
  TVersionInfo info = Untouched();
  ReadVersionInfo(Fixture(L"vi_fixture_two_translations.exe"), info);
  EXPECT_EQ(info.FileVersionMS, 0x00040001u);
  TVersionInfo expected = Untouched();
  expected.CompanyName = L"First Company";
  expected.FileDescription = L"First description";
  expected.LocalPort = L"8080";
  ExpectSameStrings(info, expected);
}

TEST(VersionInfo, NoTranslationTableGivesTheFixedBlockOnly) {
  TVersionInfo info = Untouched();
  ReadVersionInfo(Fixture(L"vi_fixture_no_translation.exe"), info);
  EXPECT_EQ(info.Signature, 0xFEEF04BDu);
  EXPECT_EQ(info.FileVersionMS, 0x00090008u);
  EXPECT_EQ(info.FileVersionLS, 0x00070006u);
  ExpectSameStrings(info, Untouched());
}
