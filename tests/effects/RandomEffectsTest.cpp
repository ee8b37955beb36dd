#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "EffectTestSupport.h"
#include "effects/Random.h"
#include "effects/RemainingIndexSet.h"

namespace lrw {
namespace {

using Box = std::pair<int, int>;

std::vector<Box> Boxes(const std::vector<EffectCopy>& copies) {
  std::vector<Box> boxes;
  for (const EffectCopy& copy : copies) {
    if (copy.kind == EffectCopyKind::Box) boxes.emplace_back(copy.a, copy.b);
  }
  return boxes;
}

// The plain list with removal: entries in creation order, take entry i, close the gap.
std::vector<Box> DissolveByListRemoval(int columns, int rows) {
  std::vector<Box> entries;
  for (int c = 1; c <= columns; ++c) {
    for (int r = 1; r <= rows; ++r) entries.emplace_back(c, r);
  }
  std::vector<Box> order;
  while (!entries.empty()) {
    const uint32_t i = RandomDraw(static_cast<uint32_t>(entries.size()));
    order.push_back(entries[i]);
    entries.erase(entries.begin() + i);
  }
  return order;
}

std::vector<Box> RandomLinesByListRemoval(int columns, int rows) {
  struct Entry {
    bool column;
    int index;
  };
  std::vector<Entry> entries;
  for (int c = 1; c <= columns; ++c) entries.push_back({true, c});
  for (int r = 1; r <= rows; ++r) entries.push_back({false, r});
  std::vector<Box> order;
  while (!entries.empty()) {
    const uint32_t i = RandomDraw(static_cast<uint32_t>(entries.size()));
    const Entry e = entries[i];
    if (e.column) {
      for (int r = 1; r <= rows; ++r) order.emplace_back(e.index, r);
    } else {
      for (int c = 1; c <= columns; ++c) order.emplace_back(c, e.index);
    }
    entries.erase(entries.begin() + i);
  }
  return order;
}

TEST(RandomGeneratorTest, DrawAdvancesTheStateAndScalesTheHighBits) {
  struct Case {
    uint32_t state;
    uint32_t n;
    uint32_t nextState;
    uint32_t draw;
  };
  const Case cases[] = {
      {0, 10, 1, 0},
      {1, 1000, 134775814u, 31},
      {0xFFFFFFFFu, 1000, 4160191484u, 968},
      {12345, 1, 1655067934u, 0},
      {86399999u, 520000, 3106359292u, 376092},
  };
  for (const Case& c : cases) {
    SetRandomState(c.state);
    EXPECT_EQ(RandomDraw(c.n), c.draw);
    EXPECT_EQ(RandomState(), c.nextState);
  }
}

TEST(RandomGeneratorTest, ClockSeedIsTheMillisecondOfTheDay) {
  SeedRandomFromClock();
  EXPECT_LT(RandomState(), 24u * 60 * 60 * 1000);
}

TEST(RemainingIndexSetTest, MatchesListRemoval) {
  for (uint32_t count : {1u, 2u, 63u, 64u, 65u, 127u, 128u, 129u, 1000u, 4097u}) {
    SetRandomState(count * 7919u);
    std::vector<uint32_t> list(count);
    for (uint32_t i = 0; i < count; ++i) list[i] = i;
    RemainingIndexSet set(count);
    while (!list.empty()) {
      ASSERT_EQ(set.Size(), list.size());
      const uint32_t k = RandomDraw(static_cast<uint32_t>(list.size()));
      ASSERT_EQ(set.TakeAt(k), list[k]) << "count " << count;
      list.erase(list.begin() + k);
    }
    EXPECT_EQ(set.Size(), 0u);
  }
}

TEST(RandomEffectsTest, SameOrderAsListRemovalForSeveralSeeds) {
  const std::pair<int, int> grids[] = {{1, 1}, {1, 5}, {4, 3}, {7, 9}, {13, 11}, {40, 30}};
  const uint32_t seeds[] = {0, 1, 42, 123456789u, 0xFFFFFFFFu};
  for (const auto& [columns, rows] : grids) {
    for (uint32_t seed : seeds) {
      SetRandomState(seed);
      const auto expectedDissolve = DissolveByListRemoval(columns, rows);
      const uint32_t stateAfter = RandomState();
      SetRandomState(seed);
      EXPECT_EQ(Boxes(testing::CopiesOnGrid(35, columns, rows, EffectCompletion::EffectOnly)),
                expectedDissolve)
          << columns << "x" << rows << " seed " << seed;
      EXPECT_EQ(RandomState(), stateAfter);

      SetRandomState(seed);
      const auto expectedLines = RandomLinesByListRemoval(columns, rows);
      SetRandomState(seed);
      EXPECT_EQ(Boxes(testing::CopiesOnGrid(34, columns, rows, EffectCompletion::EffectOnly)),
                expectedLines)
          << columns << "x" << rows << " seed " << seed;
    }
  }
}

TEST(RandomEffectsTest, DissolveCopiesEveryBoxOnceAndLinesEveryLineOnce) {
  SetRandomState(99);
  const auto dissolve = Boxes(testing::CopiesOnGrid(35, 23, 17, EffectCompletion::EffectOnly));
  EXPECT_EQ(dissolve.size(), 23u * 17u);
  EXPECT_EQ(std::set<Box>(dissolve.begin(), dissolve.end()).size(), dissolve.size());

  // Random Lines: C columns of R boxes and R rows of C boxes, each box once per direction.
  const auto lines = Boxes(testing::CopiesOnGrid(34, 23, 17, EffectCompletion::EffectOnly));
  EXPECT_EQ(lines.size(), 2u * 23u * 17u);
  std::set<Box> seen(lines.begin(), lines.end());
  EXPECT_EQ(seen.size(), 23u * 17u);
}

}  // namespace
}  // namespace lrw
