// LZHUF: LZSS over a 4096-byte ring with adaptive Huffman coding of the symbols
// (Okumura/Yoshizaki). The stored skin is packed with it. Portable: no platform headers.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lzh {
constexpr int N = 4096;                     // ring size
constexpr int F = 60;                       // longest match
constexpr int THRESHOLD = 2;                // matches are longer than this
constexpr int N_CHAR = 256 - THRESHOLD + F; // 256 literals and 58 match lengths
constexpr int T = N_CHAR * 2 - 1;           // tree size
constexpr int R = T - 1;                    // root
constexpr unsigned MAX_FREQ = 0x8000;       // the tree is rebuilt when the root reaches it
constexpr int RING_START = N - F;           // first write position; the ring before it holds spaces

// Code length (bits) and code (top bits of a byte) of the upper 6 bits of a match distance.
extern const uint8_t p_len[64];
extern const uint8_t p_code[64];
}  // namespace lzh

class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

// The adaptive Huffman tree shared by the decoder and the packer's encoder. Plain int arrays
// inside the object: the decoder walks and updates them for every symbol, and 16-bit entries
// or vectors (whose pointers a byte store may alias) cost reloads and conversions there.
class TLzhTree {
 public:
  TLzhTree();
  void Update(int symbol);            // after each coded symbol
  int RootChild() const { return son[lzh::R]; }
  int Son(int node) const { return son[node]; }
  int Parent(int index) const { return prnt[index]; }

 private:
  void Reconstruct();
  unsigned freq[lzh::T + 1];    // the last a 0xFFFF sentinel
  int prnt[lzh::T + lzh::N_CHAR];  // parents of nodes, then of leaves (index T + symbol)
  int son[lzh::T];              // left child of a node, or T + symbol for a leaf
};

class TLZH {
 public:
  // Delivers up to count bytes into buffer and returns how many it delivered.
  using TReadProc = std::function<int32_t(uint8_t* buffer, int32_t count)>;
  // Consumes count bytes from buffer.
  using TWriteProc = std::function<void(const uint8_t* buffer, int32_t count)>;

  // Skin data may come from a file the user picks: nothing may make us produce more.
  static constexpr int32_t kMaxUnpackedSize = 64 * 1024 * 1024;
  // An honest stream needs at most one zero byte past its end (the reader fetches two bytes
  // at a time); garbage may need endless ones, and a stream cut short needs more than one.
  static constexpr int32_t kMaxPaddingBytes = 1;

  // Decodes until unpackedSize bytes were written (nothing when it is 0 or less). False when
  // the size is above kMaxUnpackedSize (nothing written) or the stream would need more than
  // kMaxPaddingBytes zero bytes past its end (decoding stops there). Raises ElzhException
  // when its tables cannot be allocated.
  bool Decode(int32_t unpackedSize, const TWriteProc& write, const TReadProc& read);
};
