#include "effects/RemainingIndexSet.h"

#include <array>
#include <bit>

namespace lrw {

namespace {

constexpr uint64_t kOnes = 0x0101010101010101ull;

// The number of set bits of each byte of w, in that byte. Plain arithmetic: the baseline
// instruction set has no population count instruction.
uint64_t ByteCounts(uint64_t w) {
  w = w - ((w >> 1) & 0x5555555555555555ull);
  w = (w & 0x3333333333333333ull) + ((w >> 2) & 0x3333333333333333ull);
  return (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Full;
}

uint32_t CountBits(uint64_t w) {
  return static_cast<uint32_t>((ByteCounts(w) * kOnes) >> 56);
}

// For each byte value and rank, the position of that set bit.
constexpr std::array<std::array<uint8_t, 8>, 256> MakeSelectInByte() {
  std::array<std::array<uint8_t, 8>, 256> table{};
  for (int v = 0; v < 256; ++v) {
    int rank = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if (v & (1 << bit)) table[v][rank++] = static_cast<uint8_t>(bit);
    }
  }
  return table;
}
constexpr auto kSelectInByte = MakeSelectInByte();

// Position of the k-th (0-based) set bit of w; w has more than k set bits. Without branches:
// the positions are random, so branches would mostly be mispredicted.
int SelectBit(uint64_t w, uint32_t k) {
  const uint64_t prefix = ByteCounts(w) * kOnes;  // byte i: set bits in bytes 0..i
  // Bytes whose running count is still <= k lie wholly before the wanted bit; all values are
  // below 128, so the subtraction never borrows across bytes.
  const uint64_t notAbove = ((k * kOnes) | (0x80 * kOnes)) - prefix;
  const auto byteIndex = static_cast<uint32_t>((((notAbove >> 7) & kOnes) * kOnes) >> 56);
  const auto before = static_cast<uint32_t>(((prefix << 8) >> (8 * byteIndex)) & 0xFF);
  const auto byte = static_cast<uint32_t>((w >> (8 * byteIndex)) & 0xFF);
  return static_cast<int>(8 * byteIndex + kSelectInByte[byte][k - before]);
}

}  // namespace

RemainingIndexSet::RemainingIndexSet(uint32_t count) : remaining_(count) {
  const size_t wordCount = (static_cast<size_t>(count) + 63) / 64;
  // The tree covers a power of two of words; the ones past the end stay empty, so the search
  // needs no bounds test.
  treeSize_ = wordCount == 0 ? 0 : std::bit_ceil(wordCount);
  words_.assign(treeSize_, 0);
  for (size_t i = 0; i < count / 64; ++i) words_[i] = ~uint64_t{0};
  if (count % 64 != 0) words_[count / 64] = (uint64_t{1} << (count % 64)) - 1;
  tree_.assign(treeSize_ + 1, 0);
  for (size_t i = 1; i <= treeSize_; ++i) {
    tree_[i] += CountBits(words_[i - 1]);
    const size_t parent = i + (i & (~i + 1));
    if (parent <= treeSize_) tree_[parent] += tree_[i];
  }
}

uint32_t RemainingIndexSet::TakeAt(uint32_t k) {
  // The largest number of leading words whose remaining count is not above k; the wanted
  // index lies in the word after them.
  size_t pos = 0;
  for (size_t step = treeSize_ / 2; step != 0; step >>= 1) {
    const uint32_t count = tree_[pos + step];
    // A mask rather than a branch: which way the search goes is random.
    const size_t skip = size_t{0} - static_cast<size_t>(count <= k);
    pos += step & skip;
    k -= count & static_cast<uint32_t>(skip);
  }
  // The whole tree (step treeSize_) never fits below k, so pos < treeSize_.
  const int bit = SelectBit(words_[pos], k);
  words_[pos] &= ~(uint64_t{1} << bit);
  for (size_t i = pos + 1; i <= treeSize_; i += i & (~i + 1)) --tree_[i];
  --remaining_;
  return static_cast<uint32_t>(pos * 64 + static_cast<size_t>(bit));
}

}  // namespace lrw
