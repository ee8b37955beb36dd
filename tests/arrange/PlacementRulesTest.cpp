// Keyboard nudging, centring and proportions of the placement windows.
#include <gtest/gtest.h>

#include "arrange/PlacementRules.h"

namespace lrw {
namespace {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;

struct NudgeCase {
  const char* what;
  WindowBox box;
  ArrowKey key;
  bool ctrl;
  bool shift;
  bool heightKeys;
  std::optional<WindowBox> expected;
};

std::optional<WindowBox> Nudge(const NudgeCase& c) {
  const int clientHeight = c.box.height - 10;
  return NudgeWindow(c.box, c.key, c.ctrl, c.shift, c.heightKeys, clientHeight, kScreenW, kScreenH);
}

TEST(PlacementRules, ArrowKeysMoveAndSizeWithinTheScreen) {
  const WindowBox mid{100, 50, 200, 100};
  const NudgeCase cases[] = {
      {"Ctrl+Left", mid, ArrowKey::Left, true, false, true, WindowBox{99, 50, 200, 100}},
      {"Ctrl+Up", mid, ArrowKey::Up, true, false, true, WindowBox{100, 49, 200, 100}},
      {"Ctrl+Right", mid, ArrowKey::Right, true, false, true, WindowBox{101, 50, 200, 100}},
      {"Ctrl+Down", mid, ArrowKey::Down, true, false, true, WindowBox{100, 51, 200, 100}},
      {"Ctrl+Shift+Left", mid, ArrowKey::Left, true, true, true, WindowBox{95, 50, 200, 100}},
      {"Ctrl+Shift+Down", mid, ArrowKey::Down, true, true, true, WindowBox{100, 55, 200, 100}},
      {"Shift+Left narrows", mid, ArrowKey::Left, false, true, true, WindowBox{100, 50, 199, 100}},
      {"Shift+Right widens", mid, ArrowKey::Right, false, true, true, WindowBox{100, 50, 201, 100}},
      {"Shift+Up lowers", mid, ArrowKey::Up, false, true, true, WindowBox{100, 50, 200, 99}},
      {"Shift+Down heightens", mid, ArrowKey::Down, false, true, true,
       WindowBox{100, 50, 200, 101}},
      {"plain arrow", mid, ArrowKey::Left, false, false, true, std::nullopt},
      // Edges.
      {"Ctrl+Left at 0", {0, 50, 200, 100}, ArrowKey::Left, true, false, true, std::nullopt},
      {"Ctrl+Up at 0", {100, 0, 200, 100}, ArrowKey::Up, true, false, true, std::nullopt},
      {"Ctrl+Right at the right edge",
       {824, 50, 200, 100},
       ArrowKey::Right,
       true,
       false,
       true,
       std::nullopt},
      {"Ctrl+Right one short of it",
       {823, 50, 200, 100},
       ArrowKey::Right,
       true,
       false,
       true,
       WindowBox{824, 50, 200, 100}},
      {"Ctrl+Shift+Right with 4 left",
       {820, 50, 200, 100},
       ArrowKey::Right,
       true,
       true,
       true,
       std::nullopt},
      {"Ctrl+Shift+Right with 5 left",
       {819, 50, 200, 100},
       ArrowKey::Right,
       true,
       true,
       true,
       WindowBox{824, 50, 200, 100}},
      {"Ctrl+Shift+Left at 4", {4, 50, 200, 100}, ArrowKey::Left, true, true, true, std::nullopt},
      {"Ctrl+Shift+Left at 5",
       {5, 50, 200, 100},
       ArrowKey::Left,
       true,
       true,
       true,
       WindowBox{0, 50, 200, 100}},
      {"Ctrl+Shift+Down with 4 left",
       {100, 564, 200, 200},
       ArrowKey::Down,
       true,
       true,
       true,
       std::nullopt},
      {"Shift+Left at width 11",
       {100, 50, 11, 100},
       ArrowKey::Left,
       false,
       true,
       true,
       WindowBox{100, 50, 10, 100}},
      {"Shift+Left at width 10",
       {100, 50, 10, 100},
       ArrowKey::Left,
       false,
       true,
       true,
       std::nullopt},
      {"Shift+Right at the right edge",
       {824, 50, 200, 100},
       ArrowKey::Right,
       false,
       true,
       true,
       std::nullopt},
      {"Shift+Up at client height 5",
       {100, 50, 200, 15},
       ArrowKey::Up,
       false,
       true,
       true,
       WindowBox{100, 50, 200, 14}},
      {"Shift+Up at client height 4",
       {100, 50, 200, 14},
       ArrowKey::Up,
       false,
       true,
       true,
       std::nullopt},
      {"Shift+Down at the bottom",
       {100, 668, 200, 100},
       ArrowKey::Down,
       false,
       true,
       true,
       std::nullopt},
      {"Shift+Up without height keys", mid, ArrowKey::Up, false, true, false, std::nullopt},
      {"Shift+Down without height keys", mid, ArrowKey::Down, false, true, false, std::nullopt},
      {"Shift+Left without height keys", mid, ArrowKey::Left, false, true, false,
       WindowBox{100, 50, 199, 100}},
  };
  for (const NudgeCase& c : cases) EXPECT_EQ(Nudge(c), c.expected) << c.what;
}

TEST(PlacementRules, CentringTruncatesTowardZero) {
  EXPECT_EQ(CenteredBox({3, 4, 201, 101}, kScreenW, kScreenH), (WindowBox{411, 333, 201, 101}));
  // Wider than the screen: -38.5 becomes -38, not -39.
  EXPECT_EQ(CenteredBox({0, 0, 1101, 100}, kScreenW, kScreenH).left, -38);
}

TEST(PlacementRules, ProportionsFollowThePicture) {
  EXPECT_EQ(ProportionalClientWidth(640, 480, 300), 400);
  EXPECT_EQ(ProportionalClientWidth(500, 300, 181), 301);  // 301.67
  EXPECT_EQ(ProportionalClientHeight(640, 480, 400), 300);
  EXPECT_EQ(ProportionalClientHeight(300, 500, 181), 301);
  EXPECT_EQ(ProportionalClientWidth(0, 480, 300), std::nullopt);
  EXPECT_EQ(ProportionalClientHeight(640, 0, 300), std::nullopt);
}

TEST(PlacementRules, OriginalDimensionsStayOnTheScreenWherePossible) {
  // Fits: the corner stays.
  EXPECT_EQ(OriginalDimensionsBox({100, 50, 20, 20}, 320, 240, kScreenW, kScreenH),
            (WindowBox{100, 50, 320, 240}));
  // Too wide for the space to the right: the right edge meets the screen's.
  EXPECT_EQ(OriginalDimensionsBox({900, 700, 20, 20}, 320, 240, kScreenW, kScreenH),
            (WindowBox{704, 528, 320, 240}));
  // Wider than the screen: the left becomes negative.
  EXPECT_EQ(OriginalDimensionsBox({10, 10, 20, 20}, 1600, 240, kScreenW, kScreenH)->left, -576);
  EXPECT_EQ(OriginalDimensionsBox({10, 10, 20, 20}, 0, 240, kScreenW, kScreenH), std::nullopt);
}

}  // namespace
}  // namespace lrw
