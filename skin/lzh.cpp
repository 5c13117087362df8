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

TLzhTree::TLzhTree() {
  for (int i = 0; i < N_CHAR; i++) {
    freq[i] = 1;
    son[i] = i + T;
    prnt[i + T] = i;
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, j++) {
    freq[j] = freq[i] + freq[i + 1];
    son[j] = i;
    prnt[i] = prnt[i + 1] = j;
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

// Halves the leaf counts and builds the internal nodes again in order.
void TLzhTree::Reconstruct() {
  int j = 0;
  for (int i = 0; i < T; i++) {
    if (son[i] >= T) {
      freq[j] = (freq[i] + 1) / 2;
      son[j] = son[i];
      j++;
    }
  }
  for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, j2++) {
    unsigned f = freq[i] + freq[i + 1];
    int k = j2 - 1;
    while (f < freq[k]) k--;
    k++;
    std::copy_backward(freq + k, freq + j2, freq + j2 + 1);
    freq[k] = f;
    std::copy_backward(son + k, son + j2, son + j2 + 1);
    son[k] = i;
  }
  for (int i = 0; i < T; i++) {
    int k = son[i];
    if (k >= T) {
      prnt[k] = i;
    } else {
      prnt[k] = prnt[k + 1] = i;
    }
  }
}

namespace {
// The last index from `from` on whose count is below k in counts sorted up to the sentinel at
// T; counts[from] is below k. Bisection without branches: on input that packs badly the counts
// stay close, so long runs of equal ones are common, and which half holds the end is a coin
// toss that a predicted branch keeps losing.
int LastBelow(const unsigned* counts, int from, unsigned k) {
  const unsigned* base = counts + from;
  int n = T + 1 - from;  // the sentinel is never below k
  while (n > 1) {
    const int half = n / 2;
    base = base[half] < k ? base + half : base;
    n -= half;
  }
  return static_cast<int>(base - counts);
}
}  // namespace

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
      if (k > freq[l + 1]) l = LastBelow(freq, l + 1, k);
      freq[c] = freq[l];
      freq[l] = k;

      int i = son[c];
      prnt[i] = l;
      if (i < T) prnt[i + 1] = l;

      int j = son[l];
      son[l] = i;

      prnt[j] = c;
      if (j < T) prnt[j + 1] = c;
      son[c] = j;

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

// The bit word: bits most significant first, avail of them valid at the top of buf.
struct TBitWord {
  uint64_t buf = 0;
  int avail = 0;
};

// Input bytes for the bit word, taken from the read procedure a chunk at a time. Bytes it does
// not deliver read as 0. The decoder keeps the word in locals and passes it by value: were it a
// member here, the chunk handed to the read procedure would let every output byte store alias
// it and the word would be reloaded for each bit.
class TBitInput {
 public:
  explicit TBitInput(const TLZH::TReadProc& read) : read_(read) {}

  // Tops the word up to at least 57 bits.
  TBitWord Fill(TBitWord w) {
    if (end_ - pos_ >= 8) {
      // Eight bytes at once; the bits of a byte only partly taken are ORed again, with the
      // same values, by the next fill.
      uint64_t word = 0;
      for (int i = 0; i < 8; i++) word = word << 8 | chunk_[pos_ + i];
      w.buf |= word >> w.avail;
      const int bytes = (63 - w.avail) >> 3;
      pos_ += bytes;
      loaded_ += bytes;
      w.avail += bytes * 8;
      return w;
    }
    while (w.avail <= 56) {
      w.buf |= static_cast<uint64_t>(NextByte()) << (56 - w.avail);
      w.avail += 8;
      loaded_++;
    }
    return w;
  }

  // True when the bits taken so far would have made a reader with a 16-bit word, which takes a
  // byte only when it holds 8 bits or fewer at the start of a read, take more than
  // kMaxPaddingBytes zero bytes past the end of the input. Exact right after a one-bit read.
  bool Overrun(TBitWord w) const {
    if (!ended_) return false;
    const int64_t consumed = loaded_ * 8 - w.avail;  // bits, the last read's one included
    const int64_t wordBytes = (consumed - 1) / 8 + 2;
    return wordBytes - delivered_ > TLZH::kMaxPaddingBytes;
  }

 private:
  uint8_t NextByte() {
    if (pos_ == end_ && !ended_) {
      int32_t got = read_(chunk_, kChunk);
      pos_ = 0;
      end_ = got > 0 ? std::min(got, kChunk) : 0;
      delivered_ += end_;
      ended_ = end_ == 0;
    }
    return pos_ < end_ ? chunk_[pos_++] : 0;
  }

  static constexpr int32_t kChunk = 4096;
  const TLZH::TReadProc& read_;
  int32_t pos_ = 0;
  int32_t end_ = 0;
  int64_t loaded_ = 0;     // bytes put into the word, padding included
  int64_t delivered_ = 0;  // bytes the input delivered
  bool ended_ = false;     // the input delivered nothing when asked
  uint8_t chunk_[kChunk];
};

}  // namespace

bool TLZH::Decode(int32_t unpackedSize, const TWriteProc& write, const TReadProc& read) {
  if (unpackedSize <= 0) return true;
  if (unpackedSize > kMaxUnpackedSize) return false;

  std::vector<uint8_t> ringStore;
  std::unique_ptr<TLzhTree> treeStore;
  try {
    // Every position is set, so even a stream that refers to unwritten ones reads defined bytes.
    ringStore.assign(N + F - 1, 0);
    treeStore = std::make_unique<TLzhTree>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  // Local pointers: a byte store may alias anything, so through members or vectors every
  // output byte would reload them.
  uint8_t* const ring = ringStore.data();
  TLzhTree* const tree = treeStore.get();
  std::fill(ring, ring + RING_START, ' ');

  TBitInput in(read);
  TBitWord w;
  auto getBit = [&]() {
    if (w.avail == 0) w = in.Fill(w);
    int bit = static_cast<int>(w.buf >> 63);
    w.buf <<= 1;
    w.avail--;
    return bit;
  };
  auto getByte = [&]() {
    if (w.avail < 8) w = in.Fill(w);
    int byte = static_cast<int>(w.buf >> 56);
    w.buf <<= 8;
    w.avail -= 8;
    return byte;
  };

  // Output goes into a local block handed to write whenever it fills.
  constexpr int kBlock = 4096;
  uint8_t block[kBlock];
  uint8_t* out = block;
  uint8_t* const blockEnd = block + kBlock;

  int r = RING_START;
  int32_t count = 0;
  while (count < unpackedSize) {
    int c = tree->RootChild();
    while (c < T) c = tree->Son(c + getBit());
    c -= T;
    tree->Update(c);
    if (in.Overrun(w)) break;

    if (c < 256) {
      *out++ = static_cast<uint8_t>(c);
      ring[r] = static_cast<uint8_t>(c);
      r = (r + 1) & (N - 1);
      count++;
      if (out == blockEnd) {
        write(block, kBlock);
        out = block;
      }
      continue;
    }

    int i = getByte();
    int upper = kPositionTables.d_code[i] << 6;
    for (int extra = kPositionTables.d_len[i] - 2; extra > 0; extra--) i = (i << 1) + getBit();
    if (in.Overrun(w)) break;
    int from = (r - (upper | (i & 0x3F)) - 1) & (N - 1);
    // Stop exactly at the unpacked size even inside a match.
    int length = std::min(c - 255 + THRESHOLD, unpackedSize - count);
    count += length;
    while (length > 0) {
      // As much of the match as the block has room for, then hand the block over.
      int part = std::min(length, static_cast<int>(blockEnd - out));
      length -= part;
      for (int k = 0; k < part; k++) {
        uint8_t b = ring[from];
        from = (from + 1) & (N - 1);
        *out++ = b;
        ring[r] = b;
        r = (r + 1) & (N - 1);
      }
      if (out == blockEnd) {
        write(block, kBlock);
        out = block;
      }
    }
  }
  if (out != block) write(block, static_cast<int32_t>(out - block));
  return count == unpackedSize;
}
