// The strip's drop rules: the effect a drag gets and what the source is told.
#include <gtest/gtest.h>

#include "shell/DropEffects.h"

namespace lrw {
namespace {

constexpr DropEffectSet kStrip = deCopy | deMove;  // what the slide strip accepts
constexpr DropEffectSet kAll = deCopy | deMove | deLink;

TEST(DropEffects, TheKeysAndBothSidesChooseTheEffect) {
  struct Case {
    const char* what;
    DropEffectQuery query;
    DropEffect expected;
  };
  const Case cases[] = {
      {"plain drag", {false, false, false, false, kStrip, kAll}, deCopy},
      {"Shift", {false, false, true, false, kStrip, kAll}, deMove},
      {"Shift, even when the source offers only copy",
       {false, false, true, false, kStrip, deCopy},
       deMove},
      {"Ctrl", {false, false, false, true, kStrip, kAll}, deCopy},
      {"Ctrl+Shift without link on the strip", {false, false, true, true, kStrip, kAll}, deCopy},
      {"Ctrl+Shift with a target that links", {false, false, true, true, kAll, kAll}, deLink},
      {"Ctrl+Shift, source offers only move", {false, false, true, true, kStrip, deMove}, deMove},
      {"source offers only link", {false, false, false, false, kStrip, deLink}, deNone},
      {"own drag refused", {true, false, false, false, kStrip, kAll}, deNone},
      {"own drag accepted", {true, true, false, false, kStrip, kAll}, deCopy},
      {"no target effects", {false, false, false, false, deNone, kAll}, deNone},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseDropEffect(c.query), c.expected) << c.what;
}

TEST(DropEffects, AMoveIsNeverReportedToTheSource) {
  EXPECT_EQ(ReportedDropEffect(deMove, kAll), deCopy);
  EXPECT_EQ(ReportedDropEffect(deMove, deMove | deLink), deLink);
  EXPECT_EQ(ReportedDropEffect(deMove, deMove), deNone);
  EXPECT_EQ(ReportedDropEffect(deCopy, kAll), deCopy);
  EXPECT_EQ(ReportedDropEffect(deLink, kAll), deLink);
}

}  // namespace
}  // namespace lrw
