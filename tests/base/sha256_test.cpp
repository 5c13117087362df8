#include "base/sha256.h"

#include <gtest/gtest.h>

#include <string>

TEST(Sha256, KnownDigests) {
  EXPECT_EQ(Sha256Hex(""), L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')), L"cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}
