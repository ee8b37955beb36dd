// The record colour mapping and the file dialog filter notation.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPalette>
#include <QPushButton>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>
#include <vector>

#include "designer/ModalDriver.h"
#include "platform/Dialogs.h"
#include "platform/QtDialogs.h"
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

TEST(SystemColors, SystemColoursIgnoreTheDesktopPalette) {
  const QPalette saved = QApplication::palette();
  std::vector<QColor> light;
  for (uint32_t n = 0; n < kSystemColorCount; ++n)
    light.push_back(ColorFromRecord(0x80000000u + n));

  QPalette dark(QColor(30, 30, 30));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  QApplication::setPalette(dark);
  for (uint32_t n = 0; n < kSystemColorCount; ++n) {
    EXPECT_EQ(ColorFromRecord(0x80000000u + n), light[n]) << "system colour " << n;
  }
  EXPECT_EQ(ColorFromRecord(0x80000008u), QColor(Qt::black));  // window text
  EXPECT_EQ(ColorFromRecord(0x80000005u), QColor(Qt::white));  // window
  // Past the table: window text.
  EXPECT_EQ(ColorFromRecord(0x80000000u + kSystemColorCount), QColor(Qt::black));
  EXPECT_EQ(ColorFromRecord(0x800000FFu), QColor(Qt::black));
  QApplication::setPalette(saved);

  // A system colour stored back is the colour it showed.
  const QColor shown = ColorFromRecord(0x8000000Du);
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

TEST(BasicColorDialog, OffersTheBasicColoursAndNothingToDefineNewOnes) {
  const QColor initial = QColorDialog::standardColor(9);
  BasicColorDialog d(initial);
  EXPECT_EQ(d.findChildren<QColorDialog*>().size(), 0);
  // The 48 swatches, OK and Cancel: no custom colours, no mixer, no screen picker.
  EXPECT_EQ(d.findChildren<QAbstractButton*>().size(), 48 + 2);
  EXPECT_TRUE(d.Swatch(9)->isChecked());
  EXPECT_EQ(d.color(), initial);
  d.Swatch(3)->click();
  EXPECT_EQ(d.color(), QColorDialog::standardColor(3));
  EXPECT_FALSE(d.Swatch(9)->isChecked());
}

TEST(QtDialogsColor, GivesThePickedColourTheShownOneOrNothing) {
  QtDialogs dialogs;
  const QColor unusual(1, 2, 3);
  struct Case {
    QColor initial;
    int swatch;  // -1: none clicked
    bool accept;
    std::optional<QColor> expected;
  };
  const Case cases[] = {
      {Qt::white, 5, true, QColorDialog::standardColor(5)},
      {unusual, -1, true, unusual},
      {Qt::white, 5, false, std::nullopt},
  };
  for (const Case& c : cases) {
    test::WhenModal<BasicColorDialog>([&](BasicColorDialog& d) {
      if (c.swatch >= 0) d.Swatch(c.swatch)->click();
      c.accept ? d.accept() : d.reject();
    });
    EXPECT_EQ(dialogs.ChooseColor(nullptr, c.initial), c.expected) << c.swatch << c.accept;
  }
}

TEST(QtDialogsFont, OkWithoutChangesGivesTheFontBack) {
  QtDialogs dialogs;
  struct Case {
    bool bold, italic;
  };
  for (const Case c :
       {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    font.setBold(c.bold);
    font.setItalic(c.italic);
    test::WhenModal<QDialog>([](QDialog& d) { d.accept(); });
    QColor chosen;
    const std::optional<QFont> back = dialogs.ChooseFont(nullptr, font, Qt::black, &chosen);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->bold(), c.bold) << c.bold << c.italic;
    EXPECT_EQ(back->italic(), c.italic) << c.bold << c.italic;
    EXPECT_FALSE(back->styleName().contains(QStringLiteral("Condensed")))
        << back->styleName().toStdString();
    EXPECT_EQ(back->pointSize(), 12);
    EXPECT_EQ(chosen, QColor(Qt::black));
  }
}

TEST(QtDialogsFont, PresetsTheRealFaceOfAMissingFamilyAndPicksTheColourFromTheBasicOnes) {
  QtDialogs dialogs;
  QString presetFamily;
  test::WhenModal<QDialog>([&](QDialog& outer) {
    auto* fonts = outer.findChild<QFontDialog*>();
    if (fonts) presetFamily = fonts->currentFont().family();
    test::WhenModal<BasicColorDialog>([](BasicColorDialog& d) {
      d.Swatch(7)->click();
      d.accept();
    });
    if (auto* color = outer.findChild<QPushButton*>(QStringLiteral("fontColor"))) color->click();
    outer.accept();
  });
  QColor chosen;
  const std::optional<QFont> font =
      dialogs.ChooseFont(nullptr, QFont(QStringLiteral("MS Sans Serif")), Qt::black, &chosen);
  ASSERT_TRUE(font.has_value());
  // A face this desktop has, so that its own styles (bold among them) are offered.
  EXPECT_TRUE(QFontDatabase::hasFamily(presetFamily)) << presetFamily.toStdString();
  EXPECT_TRUE(QFontDatabase::styles(presetFamily).join(' ').contains(QStringLiteral("Bold")))
      << presetFamily.toStdString() << ": "
      << QFontDatabase::styles(presetFamily).join(',').toStdString();
  EXPECT_EQ(chosen, QColorDialog::standardColor(7));
}

// One Esc in the font chooser cancels the whole dialog.
TEST(QtDialogsFont, EscInTheFontListsCancelsTheWholeDialog) {
  bool leftOpen = false;
  test::WhenModal<QDialog>([&](QDialog& outer) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // in the family list
    QTimer::singleShot(300, &outer, [&] {
      leftOpen = true;
      outer.reject();
    });
  });
  QColor chosen;
  EXPECT_FALSE(QtDialogs().ChooseFont(nullptr, QFont(), Qt::black, &chosen).has_value());
  EXPECT_FALSE(leftOpen) << "Esc left the dialog open without its font chooser";
}

TEST(QtDialogsFont, HasNoSizeGripInTheMiddleOfTheDialog) {
  QtDialogs dialogs;
  int visibleGrips = -1;
  test::WhenModal<QDialog>([&](QDialog& outer) {
    visibleGrips = 0;
    for (const QSizeGrip* grip : outer.findChildren<QSizeGrip*>()) {
      visibleGrips += grip->isVisible();
    }
    outer.reject();
  });
  QColor chosen;
  dialogs.ChooseFont(nullptr, QFont(QStringLiteral("DejaVu Sans")), Qt::black, &chosen);
  EXPECT_EQ(visibleGrips, 0);
}

}  // namespace
}  // namespace lrw
