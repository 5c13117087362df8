#include "skin/lzh.h"

#include <algorithm>
#include <memory>
#include <new>

namespace lzh {
const uint8_t p_len[64] = {
    0x03, 0x04, 0x04, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06,
    0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
    0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x08, 0x08, 0x08, 0x08,
    0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
const uint8_t p_code[64] = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90,
    0x94, 0x98, 0x9C, 0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2,
    0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE, 0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC,
    0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE, 0xF0, 0xF1, 0xF2, 0xF3,
    0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};
}  // namespace lzh

using namespace lzh;

TLzhTree::TLzhTree() : freq(T + 1), prnt(T + N_CHAR), son(T) {
  for (int i = 0; i < N_CHAR; i++) {
    freq[i] = 1;
    son[i] = static_cast<int16_t>(i + T);
    prnt[i + T] = static_cast<int16_t>(i);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, j++) {
    freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<int16_t>(j);
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

// Halves the leaf counts and builds the internal nodes again in order.
void TLzhTree::Reconstruct() {
  int j = 0;
  for (int i = 0; i < T; i++) {
    if (son[i] >= T) {
      freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      j++;
    }
  }
  for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, j2++) {
    unsigned f = static_cast<unsigned>(freq[i]) + freq[i + 1];
    freq[j2] = static_cast<uint16_t>(f);
    int k = j2 - 1;
    while (f < freq[k]) k--;
    k++;
    std::copy_backward(freq.begin() + k, freq.begin() + j2, freq.begin() + j2 + 1);
    freq[k] = static_cast<uint16_t>(f);
    std::copy_backward(son.begin() + k, son.begin() + j2, son.begin() + j2 + 1);
    son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < T; i++) {
    int k = son[i];
    if (k >= T) {
      prnt[k] = static_cast<int16_t>(i);
    } else {
      prnt[k] = prnt[k + 1] = static_cast<int16_t>(i);
    }
  }
}

void TLzhTree::Update(int symbol) {
  if (freq[R] == MAX_FREQ) Reconstruct();
  int c = prnt[symbol + T];
  do {
    unsigned k = ++freq[c];
    // Keep the counts in order: move the node past the run of smaller ones. The counts are
    // sorted (the sentinel ends them): runs are short once the counts differ, but at the
    // start hundreds are equal, so a long run is found by bisection.
    if (k > freq[c + 1]) {
      int l = c + 1;
      while (l < c + 8 && k > freq[l + 1]) l++;
      if (k > freq[l + 1]) {
        l = static_cast<int>(std::lower_bound(freq.begin() + l + 1, freq.end(), k) - freq.begin()) - 1;
      }
      freq[c] = freq[l];
      freq[l] = static_cast<uint16_t>(k);

      int i = son[c];
      prnt[i] = static_cast<int16_t>(l);
      if (i < T) prnt[i + 1] = static_cast<int16_t>(l);

      int j = son[l];
      son[l] = static_cast<int16_t>(i);

      prnt[j] = static_cast<int16_t>(c);
      if (j < T) prnt[j + 1] = static_cast<int16_t>(c);
      son[c] = static_cast<int16_t>(j);

      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}

namespace {

// Upper 6 bits of a distance and the length of its code, by the code's first byte.
struct TPositionTables {
  uint8_t d_code[256];
  uint8_t d_len[256];
  TPositionTables() {
    for (int upper = 0; upper < 64; upper++) {
      int span = 1 << (8 - p_len[upper]);
      for (int b = p_code[upper]; b < p_code[upper] + span; b++) {
        d_code[b] = static_cast<uint8_t>(upper);
        d_len[b] = p_len[upper];
      }
    }
  }
};
const TPositionTables kPositionTables;

// Bits most significant first from a 16-bit word that is topped up from a chunk of input
// (the input is asked for a chunk at a time, not for every byte).
class TBitInput {
 public:
  explicit TBitInput(const TLZH::TReadProc& read) : read_(read) {}
  bool Overrun() const { return padding_ > TLZH::kMaxPaddingBytes; }

  int GetBit() {
    if (len_ <= 8) Fill();
    int bit = (buf_ >> 15) & 1;
    buf_ = static_cast<uint16_t>(buf_ << 1);
    len_--;
    return bit;
  }

  int GetByte() {
    if (len_ <= 8) Fill();
    int byte = buf_ >> 8;
    buf_ = static_cast<uint16_t>(buf_ << 8);
    len_ -= 8;
    return byte;
  }

 private:
  // Keeps more than 8 bits in the word. A byte the input does not deliver reads as 0 and
  // counts as padding; bytes are only taken when the word needs them, so the padding is what
  // the stream really needed past its end.
  void Fill() {
    while (len_ <= 8) {
      buf_ = static_cast<uint16_t>(buf_ | (NextByte() << (8 - len_)));
      len_ += 8;
    }
  }

  uint8_t NextByte() {
    if (pos_ == end_ && padding_ == 0) {
      int32_t got = read_(chunk_, kChunk);
      pos_ = 0;
      end_ = got > 0 ? std::min(got, kChunk) : 0;
    }
    if (pos_ == end_) {
      padding_++;
      return 0;
    }
    return chunk_[pos_++];
  }

  static constexpr int32_t kChunk = 4096;
  const TLZH::TReadProc& read_;
  uint8_t chunk_[kChunk];
  int32_t pos_ = 0;
  int32_t end_ = 0;
  uint16_t buf_ = 0;
  uint8_t len_ = 0;
  int32_t padding_ = 0;
};

class TOutput {
 public:
  explicit TOutput(const TLZH::TWriteProc& write) : write_(write) { buffer_.reserve(kChunk); }
  void Put(uint8_t b) {
    buffer_.push_back(b);
    if (buffer_.size() == kChunk) Flush();
  }
  void Flush() {
    if (!buffer_.empty()) write_(buffer_.data(), static_cast<int32_t>(buffer_.size()));
    buffer_.clear();
  }

 private:
  static constexpr size_t kChunk = 4096;
  const TLZH::TWriteProc& write_;
  std::vector<uint8_t> buffer_;
};

}  // namespace

bool TLZH::Decode(int32_t unpackedSize, const TWriteProc& write, const TReadProc& read) {
  if (unpackedSize <= 0) return true;
  if (unpackedSize > kMaxUnpackedSize) return false;

  std::vector<uint8_t> ring;
  std::unique_ptr<TLzhTree> tree;
  try {
    // Every position is set, so even a stream that refers to unwritten ones reads defined bytes.
    ring.assign(N + F - 1, 0);
    tree = std::make_unique<TLzhTree>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  std::fill(ring.begin(), ring.begin() + RING_START, ' ');

  TBitInput in(read);
  TOutput out(write);
  int r = RING_START;
  int32_t count = 0;
  while (count < unpackedSize) {
    int c = tree->RootChild();
    while (c < T) c = tree->Son(c + in.GetBit());
    c -= T;
    tree->Update(c);
    if (in.Overrun()) break;

    if (c < 256) {
      out.Put(static_cast<uint8_t>(c));
      ring[r] = static_cast<uint8_t>(c);
      r = (r + 1) & (N - 1);
      count++;
      continue;
    }

    int i = in.GetByte();
    int upper = kPositionTables.d_code[i] << 6;
    for (int extra = kPositionTables.d_len[i] - 2; extra > 0; extra--) i = (i << 1) + in.GetBit();
    if (in.Overrun()) break;
    int distance = upper | (i & 0x3F);
    int from = (r - distance - 1) & (N - 1);
    // Stop exactly at the unpacked size even inside a match.
    int length = std::min(c - 255 + THRESHOLD, unpackedSize - count);
    for (int k = 0; k < length; k++) {
      uint8_t b = ring[(from + k) & (N - 1)];
      out.Put(b);
      ring[r] = b;
      r = (r + 1) & (N - 1);
    }
    count += length;
  }
  out.Flush();
  return count == unpackedSize;
}
