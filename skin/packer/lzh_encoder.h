// LZHUF encoder for the build machine: the counterpart of TLZH::Decode.
#pragma once

#include <cstdint>
#include <vector>

// The LZHUF bit stream of data (no size field).
std::vector<uint8_t> LzhEncode(const std::vector<uint8_t>& data);
// A stored skin: the 4-byte little-endian unpacked size followed by the bit stream.
std::vector<uint8_t> PackStoredSkin(const std::vector<uint8_t>& data);
