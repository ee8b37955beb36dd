// The record colour mapping and the file dialog filter notation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "platform/Dialogs.h"
#include "platform/SystemColors.h"

namespace lrw {
namespace {

TEST(SystemColors, DirectColoursConvertBothWays) {
  const std::pair<uint32_t, QColor> cases[] = {
      {0x000000FFu, QColor(255, 0, 0)}, {0x0000FF00u, QColor(0, 255, 0)},
      {0x00FF0000u, QColor(0, 0, 255)}, {0x00336699u, QColor(0x99, 0x66, 0x33)},
      {0x00FFFFFFu, QColor(Qt::white)},
  };
  for (const auto& [ref, color] : cases) {
    EXPECT_EQ(ColorFromRecord(ref), color) << std::hex << ref;
    EXPECT_EQ(RecordFromColor(color), ref);
  }
}

TEST(SystemColors, SystemColoursTakeThePalette) {
  const QPalette pal = QApplication::palette();
  EXPECT_EQ(ColorFromRecord(0x80000008u), pal.color(QPalette::Active, QPalette::Text));
  EXPECT_EQ(ColorFromRecord(0x8000000Fu), pal.color(QPalette::Active, QPalette::Button));
  EXPECT_EQ(ColorFromRecord(0x8000000Du), pal.color(QPalette::Active, QPalette::Highlight));
  // A system colour stored back is the colour it showed.
  const QColor shown = ColorFromRecord(0x80000005u);
  EXPECT_EQ(ColorFromRecord(RecordFromColor(shown)), shown);
}

TEST(QtFilterFromPipes, ConvertsTheDesignerNotation) {
  const std::pair<const char*, const char*> cases[] = {
      {"Sound files (*.wav)|*.wav", "Sound files (*.wav)"},
      {"All Slideshow Files (*.sho;*.bld)|*.sho;*.bld|Local Slideshow Files (*.sho)|*.sho",
       "All Slideshow Files (*.sho *.bld);;Local Slideshow Files (*.sho)"},
      {"Pictures|*.bmp;*.jpg", "Pictures (*.bmp *.jpg)"},
      {"", ""},
  };
  for (const auto& [pipes, qt] : cases) EXPECT_EQ(QtFilterFromPipes(pipes), qt) << pipes;
}

}  // namespace
}  // namespace lrw
