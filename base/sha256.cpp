#include "base/sha256.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>

std::wstring Sha256Hex(const std::string& Bytes) {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0) < 0) return L"";
  UCHAR digest[32] = {};
  BCRYPT_HASH_HANDLE hash = nullptr;
  bool ok = BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0) >= 0;
  // The length is a ULONG: a larger buffer goes in slices.
  for (size_t at = 0; ok && at < Bytes.size();) {
    const ULONG slice = static_cast<ULONG>(std::min<size_t>(Bytes.size() - at, 1u << 30));
    ok = BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(Bytes.data() + at)), slice, 0) >= 0;
    at += slice;
  }
  ok = ok && BCryptFinishHash(hash, digest, sizeof digest, 0) >= 0;
  if (hash) BCryptDestroyHash(hash);
  BCryptCloseAlgorithmProvider(algorithm, 0);
  if (!ok) return L"";
  static const wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring text;
  for (UCHAR byte : digest) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}
