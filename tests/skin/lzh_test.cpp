#include "skin/lzh.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "skin/packer/lzh_encoder.h"
#include "skin_store_testing.h"

using skin_store_testing::THandStream;

namespace {

struct TDecodeResult {
  bool ok = false;
  std::vector<uint8_t> out;
  int32_t reads = 0;  // read calls, including those past the end
};

TDecodeResult Decode(int32_t unpackedSize, const std::vector<uint8_t>& stream) {
  TDecodeResult result;
  size_t position = 0;
  TLZH lzh;
  result.ok = lzh.Decode(
      unpackedSize,
      [&](const uint8_t* buffer, int32_t count) { result.out.insert(result.out.end(), buffer, buffer + count); },
      [&](uint8_t* buffer, int32_t count) -> int32_t {
        result.reads++;
        if (position >= stream.size() || count < 1) return 0;
        buffer[0] = stream[position++];
        return 1;
      });
  return result;
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& data) {
  TDecodeResult r = Decode(static_cast<int32_t>(data.size()), LzhEncode(data));
  EXPECT_TRUE(r.ok);
  return r.out;
}

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> data(size);
  for (uint8_t& b : data) b = static_cast<uint8_t>(rng());
  return data;
}

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The adaptive tree as the classic LZHUF listing keeps it: plain arrays, a linear search for
// the end of a run of equal counts. TLzhTree must stay identical to it.
struct TTextbookTree {
  unsigned freq[lzh::T + 1];
  int prnt[lzh::T + lzh::N_CHAR];
  int son[lzh::T];

  TTextbookTree() {
    using namespace lzh;
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

  void reconst() {
    using namespace lzh;
    int j = 0;
    for (int i = 0; i < T; i++) {
      if (son[i] >= T) {
        freq[j] = (freq[i] + 1) / 2;
        son[j] = son[i];
        j++;
      }
    }
    for (int i = 0, j2 = N_CHAR; j2 < T; i += 2, j2++) {
      unsigned f = freq[j2] = freq[i] + freq[i + 1];
      int k = j2 - 1;
      while (f < freq[k]) k--;
      k++;
      for (int m = j2; m > k; m--) {
        freq[m] = freq[m - 1];
        son[m] = son[m - 1];
      }
      freq[k] = f;
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

  void update(int c) {
    using namespace lzh;
    if (freq[R] == MAX_FREQ) reconst();
    c = prnt[c + T];
    do {
      unsigned k = ++freq[c];
      int l = c + 1;
      if (k > freq[l]) {
        while (k > freq[++l]) {
        }
        l--;
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
    } while ((c = prnt[c]) != 0);
  }
};

}  // namespace

// In the starting tree node j >= 314 has the children 2(j - 314) and the next one, so from the
// root (626) eight 0 bits reach leaf 116 ('t') and nine 1 bits reach leaf 115 ('s').
TEST(LzhDecode, HandMadeStreamsFollowTheStartingTree) {
  EXPECT_EQ(Text(Decode(1, {0x00}).out), "t");
  EXPECT_EQ(Text(Decode(1, {0xFF, 0x80}).out), "s");
  // Eight 1 bits, then a ninth bit 0: leaf 114. The packer writes it as two bytes; the first
  // alone would need two zero bytes past its end and is refused.
  TDecodeResult honest = Decode(1, {0xFF, 0x00});
  EXPECT_TRUE(honest.ok);
  EXPECT_EQ(Text(honest.out), "r");
  EXPECT_FALSE(Decode(1, {0xFF}).ok);
}

TEST(LzhDecode, MatchesCopyFromTheSpaceFilledRing) {
  THandStream s;
  s.Literal('x');
  s.Match(5, 10);  // source 11 bytes back: inside the spaces before the first write position
  s.Literal('y');
  EXPECT_EQ(Text(Decode(7, s.Stream()).out), "x     y");
}

TEST(LzhDecode, MatchesMayOverlapTheBytesTheyWrite) {
  THandStream s;
  s.Literal('a');
  s.Literal('b');
  s.Match(7, 1);  // two back, so the pair repeats
  EXPECT_EQ(Text(Decode(9, s.Stream()).out), "ababababa");
}

TEST(LzhDecode, UnwrittenRingPositionsReadAsZero) {
  THandStream s;
  s.Match(3, 4095);  // the source is the write position itself: never written yet
  TDecodeResult r = Decode(3, s.Stream());
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.out, std::vector<uint8_t>(3, 0));
}

TEST(LzhDecode, StopsExactlyAtTheUnpackedSizeInsideAMatch) {
  THandStream s;
  s.Literal('q');
  s.Match(60, 0);
  for (int32_t size : {1, 2, 30, 61}) {
    TDecodeResult r = Decode(size, s.Stream());
    EXPECT_TRUE(r.ok) << size;
    EXPECT_EQ(Text(r.out), std::string(static_cast<size_t>(size), 'q')) << size;
  }
}

TEST(LzhDecode, ZeroOrNegativeSizeProducesNothingAndReadsNothing) {
  for (int32_t size : {0, -1, INT32_MIN}) {
    TDecodeResult r = Decode(size, {0x12, 0x34});
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.reads, 0);
  }
}

TEST(LzhDecode, SizeAboveTheCapIsRefusedBeforeReading) {
  TDecodeResult r = Decode(TLZH::kMaxUnpackedSize + 1, {0x00});
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(r.reads, 0);
}

TEST(LzhDecode, PaddingIsLimitedPastTheEndOfTheStream) {
  // Eight 0 bits in one byte, and one zero byte past it to fill the reader's word: allowed.
  TDecodeResult one = Decode(1, {0x00});
  EXPECT_TRUE(one.ok);
  EXPECT_EQ(Text(one.out), "t");
  // From nothing the same symbol needs two bytes past the end: refused.
  EXPECT_FALSE(Decode(1, {}).ok);
  // A second symbol would need a further byte: refused, and only whole symbols before it are kept.
  TDecodeResult two = Decode(2, {0x00});
  EXPECT_FALSE(two.ok);
  EXPECT_EQ(Text(two.out), "t");
  // A huge size over a short stream ends soon after the stream does.
  TDecodeResult big = Decode(TLZH::kMaxUnpackedSize, {0xAA, 0x55, 0x00, 0xFF});
  EXPECT_FALSE(big.ok);
  EXPECT_LE(big.out.size(), (4u + TLZH::kMaxPaddingBytes) * 8u * 60u);
}

TEST(LzhDecode, TruncatedEncodedStreamIsRefused) {
  std::vector<uint8_t> data = RandomBytes(2000, 7);
  std::vector<uint8_t> stream = LzhEncode(data);
  stream.resize(stream.size() - 16);
  TDecodeResult r = Decode(static_cast<int32_t>(data.size()), stream);
  EXPECT_FALSE(r.ok);
  EXPECT_LT(r.out.size(), data.size());
}

// Every stream the packer writes decodes within the padding allowed, and the same stream one
// byte short is refused instead of decoding to wrong bytes.
TEST(LzhDecode, StreamCutByOneByteIsRefused) {
  std::string text;
  while (text.size() < 5000) text += "[Personality]\r\nLeft=left.bmp\r\n";
  const std::vector<uint8_t> inputs[] = {{'a', 'b'}, RandomBytes(61, 3), RandomBytes(4097, 4),
                                         std::vector<uint8_t>(text.begin(), text.end())};
  for (const std::vector<uint8_t>& data : inputs) {
    SCOPED_TRACE(data.size());
    std::vector<uint8_t> stream = LzhEncode(data);
    TDecodeResult whole = Decode(static_cast<int32_t>(data.size()), stream);
    EXPECT_TRUE(whole.ok);
    EXPECT_EQ(whole.out, data);
    stream.pop_back();
    EXPECT_FALSE(Decode(static_cast<int32_t>(data.size()), stream).ok);
  }
}

TEST(LzhRoundTrip, EmptyAndSingleBytes) {
  EXPECT_TRUE(LzhEncode({}).empty());
  for (int b : {0, 32, 65, 255}) {
    std::vector<uint8_t> data = {static_cast<uint8_t>(b)};
    EXPECT_EQ(RoundTrip(data), data) << b;
  }
}

TEST(LzhRoundTrip, BoundaryLengthsOfRandomAndRepetitiveData) {
  // Around the match length, the part of the ring filled with spaces, and the ring itself.
  for (size_t size : {2u, 3u, 59u, 60u, 61u, 4035u, 4036u, 4037u, 4095u, 4096u, 4097u, 8193u}) {
    std::vector<uint8_t> random = RandomBytes(size, static_cast<uint32_t>(size));
    EXPECT_EQ(RoundTrip(random), random) << size;
    std::vector<uint8_t> same(size, 'z');
    EXPECT_EQ(RoundTrip(same), same) << size;
    std::vector<uint8_t> spaces(size, ' ');
    EXPECT_EQ(RoundTrip(spaces), spaces) << size;
  }
}

TEST(LzhRoundTrip, RepetitiveDataPacksSmall) {
  std::string text;
  while (text.size() < 200000) text += "[Colours]\r\nButtonFace=212,208,200\r\nWindowText=0,0,0\r\n";
  std::vector<uint8_t> data(text.begin(), text.end());
  std::vector<uint8_t> stream = LzhEncode(data);
  EXPECT_LT(stream.size(), data.size() / 20);
  EXPECT_EQ(RoundTrip(data), data);
}

// Long enough that the root count passes 0x8000 several times and the tree is rebuilt.
TEST(LzhRoundTrip, LargeMixedDataSurvivesTreeRebuilds) {
  std::vector<uint8_t> data = RandomBytes(300000, 99);
  std::mt19937 rng(5);
  for (size_t i = 0; i + 100 < data.size(); i += 1000) {
    size_t from = rng() % (i + 1);
    for (size_t k = 0; k < 100 && from + k < i; k++) data[i + k] = data[from + k];
  }
  EXPECT_EQ(RoundTrip(data), data);
}

TEST(LzhRoundTrip, PackedStoredSkinStartsWithTheSize) {
  std::vector<uint8_t> data = RandomBytes(0x0102, 3);
  std::vector<uint8_t> stored = PackStoredSkin(data);
  ASSERT_GE(stored.size(), 4u);
  EXPECT_EQ(stored[0], 0x02);
  EXPECT_EQ(stored[1], 0x01);
  EXPECT_EQ(stored[2], 0x00);
  EXPECT_EQ(stored[3], 0x00);
  EXPECT_EQ(std::vector<uint8_t>(stored.begin() + 4, stored.end()), LzhEncode(data));
}

// Skewed symbols, long enough for the root count to reach 0x8000 and the tree to be rebuilt
// many times; the shapes are compared every few steps.
TEST(LzhTree, FollowsTheTextbookUpdateThroughRebuilds) {
  TLzhTree tree;
  auto textbook = std::make_unique<TTextbookTree>();
  std::mt19937 rng(11);
  std::geometric_distribution<int> skewed(0.05);
  for (int step = 0; step < 300000; step++) {
    int symbol = step < 2000 ? static_cast<int>(rng() % lzh::N_CHAR) : skewed(rng) % lzh::N_CHAR;
    tree.Update(symbol);
    textbook->update(symbol);
    if (step % 8 != 0) continue;  // a difference, once made, stays
    bool same = tree.RootChild() == textbook->son[lzh::R];
    for (int node = 0; same && node < lzh::T; node++) same = tree.Son(node) == textbook->son[node];
    for (int i = 0; same && i < lzh::T + lzh::N_CHAR; i++) same = tree.Parent(i) == textbook->prnt[i];
    ASSERT_TRUE(same) << "step " << step;
  }
}
