// Our packed skin, carried by the test program as the RCDATA resource QUILLSTEAD_SKIN.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

inline std::vector<uint8_t> OurStoredSkin() {
  HRSRC found = FindResourceW(nullptr, L"QUILLSTEAD_SKIN", MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return {};
  const uint8_t* data = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, found)));
  return std::vector<uint8_t>(data, data + SizeofResource(nullptr, found));
}
