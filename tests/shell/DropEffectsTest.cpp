// The strip's drop rules: the effect a drag gets and what the source is told.
#include <gtest/gtest.h>

#include "shell/DropEffects.h"

namespace lrw {
namespace {

constexpr DropEffectSet kStrip =
    DropEffect::Copy | DropEffect::Move;  // what the slide strip accepts
constexpr DropEffectSet kAll = DropEffect::Copy | DropEffect::Move | DropEffect::Link;

TEST(DropEffects, TheKeysAndBothSidesChooseTheEffect) {
  struct Case {
    const char* what;
    DropEffectQuery query;
    DropEffect expected;
  };
  const Case cases[] = {
      {"plain drag", {false, false, false, false, kStrip, kAll}, DropEffect::Copy},
      {"Shift", {false, false, true, false, kStrip, kAll}, DropEffect::Move},
      {"Shift, even when the source offers only copy",
       {false, false, true, false, kStrip, DropEffect::Copy},
       DropEffect::Move},
      {"Ctrl", {false, false, false, true, kStrip, kAll}, DropEffect::Copy},
      {"Ctrl+Shift without link on the strip",
       {false, false, true, true, kStrip, kAll},
       DropEffect::Copy},
      {"Ctrl+Shift with a target that links",
       {false, false, true, true, kAll, kAll},
       DropEffect::Link},
      {"Ctrl+Shift, source offers only move",
       {false, false, true, true, kStrip, DropEffect::Move},
       DropEffect::Move},
      {"source offers only link",
       {false, false, false, false, kStrip, DropEffect::Link},
       DropEffect::None},
      {"own drag refused", {true, false, false, false, kStrip, kAll}, DropEffect::None},
      {"own drag accepted", {true, true, false, false, kStrip, kAll}, DropEffect::Copy},
      {"no target effects", {false, false, false, false, DropEffect::None, kAll}, DropEffect::None},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseDropEffect(c.query), c.expected) << c.what;
}

TEST(DropEffects, AMoveIsNeverReportedToTheSource) {
  EXPECT_EQ(ReportedDropEffect(DropEffect::Move, kAll), DropEffect::Copy);
  EXPECT_EQ(ReportedDropEffect(DropEffect::Move, DropEffect::Move | DropEffect::Link),
            DropEffect::Link);
  EXPECT_EQ(ReportedDropEffect(DropEffect::Move, DropEffect::Move), DropEffect::None);
  EXPECT_EQ(ReportedDropEffect(DropEffect::Copy, kAll), DropEffect::Copy);
  EXPECT_EQ(ReportedDropEffect(DropEffect::Link, kAll), DropEffect::Link);
}

}  // namespace
}  // namespace lrw
