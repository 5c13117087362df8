// Helpers for the skin store tests: archives and LZHUF streams built by hand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/lzh.h"

namespace skin_store_testing {

inline void PutInt32(std::vector<uint8_t>& out, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

inline std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

// A skin archive laid out field by field, so tests can make it say anything.
struct TRawArchive {
  int32_t version = 20000;
  int32_t nameLength = -1;  // -1: the length of names
  std::vector<uint8_t> block;  // the version block, written as given
  std::string names;
  std::vector<int32_t> sizes;
  std::string data;

  std::vector<uint8_t> Build() const {
    std::vector<uint8_t> out;
    PutInt32(out, version);
    PutInt32(out, nameLength == -1 ? static_cast<int32_t>(names.size()) : nameLength);
    PutInt32(out, 0x12345678);  // the two words the reader skips
    PutInt32(out, -1);
    out.insert(out.end(), block.begin(), block.end());
    out.insert(out.end(), names.begin(), names.end());
    for (int32_t size : sizes) PutInt32(out, size);
    out.insert(out.end(), data.begin(), data.end());
    return out;
  }
};

// Writes an LZHUF stream symbol by symbol from the coding rules: each symbol's code is its
// path from the root of the adaptive tree, which is updated after every symbol.
class THandStream {
 public:
  void Literal(uint8_t byte) { Symbol(byte); }
  // A match of length 3..60 whose source starts distance + 1 bytes before the write position.
  void Match(int length, int distance) {
    Symbol(length + 253);
    int upper = distance >> 6;
    Bits(static_cast<uint32_t>(lzh::p_code[upper] >> (8 - lzh::p_len[upper])), lzh::p_len[upper]);
    Bits(static_cast<uint32_t>(distance & 0x3F), 6);
  }
  void Bits(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; i--) bits_.push_back((value >> i) & 1);
  }
  std::vector<uint8_t> Stream() const {
    std::vector<uint8_t> out((bits_.size() + 7) / 8, 0);
    for (size_t i = 0; i < bits_.size(); i++) {
      if (bits_[i]) out[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
    }
    return out;
  }

 private:
  void Symbol(int symbol) {
    std::vector<int> path;
    for (int node = tree_.Parent(symbol + lzh::T); node != lzh::R; node = tree_.Parent(node)) {
      path.push_back(node & 1);  // siblings sit at an even index and the next one
    }
    bits_.insert(bits_.end(), path.rbegin(), path.rend());
    tree_.Update(symbol);
  }

  TLzhTree tree_;
  std::vector<int> bits_;
};

}  // namespace skin_store_testing
