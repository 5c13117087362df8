// SHA-256 of bytes in memory, through the platform's cryptography provider (bcrypt).
#pragma once

#include <string>

// The digest of Bytes as 64 lower-case hexadecimal digits; "" when the provider fails.
std::wstring Sha256Hex(const std::string& Bytes);
