#include "skin/packer/lzh_encoder.h"

#include <stdexcept>

#include "skin/lzh.h"

using namespace lzh;

namespace {

class TBitOutput {
 public:
  // Writes the lowest count bits of code, the most significant first.
  void Put(uint64_t code, int count) {
    for (int i = count - 1; i >= 0; i--) {
      byte_ = static_cast<uint8_t>((byte_ << 1) | ((code >> i) & 1));
      if (++bits_ == 8) {
        out_.push_back(byte_);
        byte_ = 0;
        bits_ = 0;
      }
    }
  }
  std::vector<uint8_t> Finish() {
    if (bits_ > 0) out_.push_back(static_cast<uint8_t>(byte_ << (8 - bits_)));
    bits_ = 0;
    byte_ = 0;
    return std::move(out_);
  }

 private:
  std::vector<uint8_t> out_;
  uint8_t byte_ = 0;
  int bits_ = 0;
};

// Longest-match search over the ring with one binary search tree per first byte
// (the classic LZSS tree): roots are N + 1 + byte, NIL marks no node.
class TMatchFinder {
 public:
  static constexpr int NIL = N;

  TMatchFinder() : text(N + F - 1, 0), lson(N + 1, NIL), rson(N + 257, NIL), dad(N + 1, NIL) {}

  std::vector<uint8_t> text;  // the ring, its first F - 1 bytes repeated past its end
  int match_position = 0;
  int match_length = 0;

  void InsertNode(int r) {
    int cmp = 1;
    const uint8_t* key = &text[r];
    int p = N + 1 + key[0];
    rson[r] = lson[r] = NIL;
    match_length = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson[p] != NIL) {
          p = rson[p];
        } else {
          rson[p] = r;
          dad[r] = p;
          return;
        }
      } else {
        if (lson[p] != NIL) {
          p = lson[p];
        } else {
          lson[p] = r;
          dad[r] = p;
          return;
        }
      }
      int i = 1;
      for (; i < F; i++) {
        cmp = key[i] - text[p + i];
        if (cmp != 0) break;
      }
      if (i > THRESHOLD) {
        int distance = ((r - p) & (N - 1)) - 1;
        if (i > match_length) {
          match_position = distance;
          match_length = i;
          if (match_length >= F) break;
        } else if (i == match_length && distance < match_position) {
          match_position = distance;
        }
      }
    }
    // A full-length match replaces the old node in the tree.
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = r;
    dad[rson[p]] = r;
    if (rson[dad[p]] == p) {
      rson[dad[p]] = r;
    } else {
      lson[dad[p]] = r;
    }
    dad[p] = NIL;
  }

  void DeleteNode(int p) {
    if (dad[p] == NIL) return;
    int q;
    if (rson[p] == NIL) {
      q = lson[p];
    } else if (lson[p] == NIL) {
      q = rson[p];
    } else {
      q = lson[p];
      if (rson[q] != NIL) {
        do {
          q = rson[q];
        } while (rson[q] != NIL);
        rson[dad[q]] = lson[q];
        dad[lson[q]] = dad[q];
        lson[q] = lson[p];
        dad[lson[p]] = q;
      }
      rson[q] = rson[p];
      dad[rson[p]] = q;
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p) {
      rson[dad[p]] = q;
    } else {
      lson[dad[p]] = q;
    }
    dad[p] = NIL;
  }

 private:
  std::vector<int> lson, rson, dad;
};

class TEncoder {
 public:
  void EncodeChar(int c) {
    // Walk from the leaf to the root; an odd node is the right child of its parent.
    uint64_t code = 0;
    int length = 0;
    int k = tree_.Parent(c + T);
    do {
      if (k & 1) code |= uint64_t{1} << length;
      length++;
      k = tree_.Parent(k);
    } while (k != R);
    out_.Put(code, length);
    tree_.Update(c);
  }

  void EncodePosition(int c) {
    int upper = c >> 6;
    out_.Put(static_cast<uint64_t>(p_code[upper] >> (8 - p_len[upper])), p_len[upper]);
    out_.Put(static_cast<uint64_t>(c & 0x3F), 6);
  }

  std::vector<uint8_t> Finish() { return out_.Finish(); }

 private:
  TLzhTree tree_;
  TBitOutput out_;
};

}  // namespace

std::vector<uint8_t> LzhEncode(const std::vector<uint8_t>& data) {
  TEncoder encoder;
  TMatchFinder finder;
  std::vector<uint8_t>& text = finder.text;
  size_t next = 0;  // next input byte
  auto getc = [&](int& c) {
    if (next >= data.size()) return false;
    c = data[next++];
    return true;
  };

  int s = 0;
  int r = RING_START;
  for (int i = s; i < r; i++) text[i] = ' ';
  int len = 0;
  int c = 0;
  for (; len < F && getc(c); len++) text[r + len] = static_cast<uint8_t>(c);
  if (len == 0) return encoder.Finish();
  for (int i = 1; i <= F; i++) finder.InsertNode(r - i);
  finder.InsertNode(r);
  do {
    if (finder.match_length > len) finder.match_length = len;
    if (finder.match_length <= THRESHOLD) {
      finder.match_length = 1;
      encoder.EncodeChar(text[r]);
    } else {
      encoder.EncodeChar(255 - THRESHOLD + finder.match_length);
      encoder.EncodePosition(finder.match_position);
    }
    int last_match_length = finder.match_length;
    int i = 0;
    for (; i < last_match_length && getc(c); i++) {
      finder.DeleteNode(s);
      text[s] = static_cast<uint8_t>(c);
      if (s < F - 1) text[s + N] = static_cast<uint8_t>(c);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      finder.InsertNode(r);
    }
    while (i++ < last_match_length) {
      finder.DeleteNode(s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len) finder.InsertNode(r);
    }
  } while (len > 0);
  return encoder.Finish();
}

std::vector<uint8_t> PackStoredSkin(const std::vector<uint8_t>& data) {
  if (data.size() > static_cast<size_t>(TLZH::kMaxUnpackedSize)) {
    throw std::length_error("skin archive larger than a stored skin may unpack to");
  }
  uint32_t size = static_cast<uint32_t>(data.size());
  std::vector<uint8_t> out = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                              static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  std::vector<uint8_t> stream = LzhEncode(data);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}
