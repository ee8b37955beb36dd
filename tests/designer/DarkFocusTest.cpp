// Focus stays visible on a dark desktop theme: in the Fusion style on a dark palette,
// every control the Tab key reaches in the designer and its colour dialogs looks
// different with the focus, and the pixels that change stand out from what they were
// (a contrast of 3:1, what a control's outline needs to be seen), in the real widgets'
// own pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <set>

#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/ModalDriver.h"
#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"
#include "platform/QtDialogs.h"

namespace lrw {
namespace {

double Luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How many pixels around `w` (with a margin for focus frames drawn outside it) change
// between the two pictures of its window to a colour of 3:1 contrast or more.
int ContrastingPixels(QWidget* w, const QImage& before, const QImage& after) {
  const QRect area = QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size())
                         .adjusted(-3, -3, 3, 3)
                         .intersected(before.rect());
  int seen = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (Contrast(before.pixel(x, y), after.pixel(x, y)) >= 3.0) ++seen;
  return seen;
}

// Walks the Tab chain of `window` from `start` with the Tab key, as a user does, and
// names every control whose focus does not show.
std::vector<std::string> HiddenFocus(QWidget* window, QWidget* start) {
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  start->setFocus(Qt::TabFocusReason);
  std::vector<std::string> faults;
  std::set<QWidget*> visited;
  for (;;) {
    const QImage before = window->grab().toImage();
    std::set<QWidget*> defaults;
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->isDefault()) defaults.insert(b);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* w = QApplication::focusWidget();
    if (!w || !visited.insert(w).second) break;
    // The dialog's default button is already marked as the one Enter presses, and the
    // style draws it the same with the focus: that mark is the toolkit's, not ours.
    if (defaults.count(w)) continue;
    const QImage after = window->grab().toImage();
    // At least a dotted outline along one side's length.
    const int needed = std::min(w->width(), w->height()) / 2;
    const int seen = ContrastingPixels(w, before, after);
    if (seen < needed)
      faults.push_back(w->objectName().toStdString() + " (" + w->metaObject()->className() +
                       "): " + std::to_string(seen) + " pixels show the focus");
  }
  if (visited.size() < 2) faults.push_back("the Tab key moves the focus nowhere");
  return faults;
}

class DarkFocus : public ::testing::Test {
 protected:
  void SetUp() override {
    style_ = QApplication::style()->name();
    palette_ = QApplication::palette();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(test::DarkPalette());
  }
  void TearDown() override {
    QApplication::setStyle(style_);
    QApplication::setPalette(palette_);
  }

 private:
  QString style_;
  QPalette palette_;
};

TEST_F(DarkFocus, EveryControlOnTheTabChainShowsItsFocus) {
  QTemporaryDir dir;
  const std::string show = dir.filePath(QStringLiteral("show.sho")).toStdString();
  ASSERT_TRUE(test::WriteShow(show, {test::PictureSlide("beach.jpg"), test::BlankSlide(0x303030),
                                     test::PictureSlide("hill.png")}));
  test::FakeServices fakes;
  SlideshowDesignForm form{fakes.services()};
  ASSERT_TRUE(test::ShowAndOpen(form, fakes, show));
  auto* strip = form.findChild<SlideStrip*>(QStringLiteral("ImageListBox"));
  // The current slide unselected and selected: its cell shows the focus both ways.
  for (bool selected : {false, true}) {
    SCOPED_TRACE(selected ? "selected" : "not selected");
    form.Editor().Select(selected ? std::vector<int>{1} : std::vector<int>{}, 1);
    EXPECT_EQ(HiddenFocus(&form, strip), std::vector<std::string>{});
  }

  BasicColorDialog colors(Qt::black, &form);
  colors.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&colors));
  EXPECT_EQ(HiddenFocus(&colors, colors.Swatch(0)), std::vector<std::string>{});
  colors.hide();

  // The caption font dialog's colour button, reached by Tab from the control before it.
  int fontColorPixels = -1;
  test::WhenModal<QDialog>([&](QDialog& d) {
    auto* color = d.findChild<QPushButton*>(QStringLiteral("fontColor"));
    if (color) {
      QWidget* previous = color->previousInFocusChain();
      while (!(previous->focusPolicy() & Qt::TabFocus) || !previous->isVisible())
        previous = previous->previousInFocusChain();
      previous->setFocus(Qt::TabFocusReason);
      const QImage before = d.grab().toImage();
      QTest::keyClick(previous, Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), color);
      fontColorPixels = ContrastingPixels(color, before, d.grab().toImage());
    }
    d.reject();
  });
  QtDialogs().ChooseFont(&form, QFont(), Qt::black, nullptr);
  EXPECT_GE(fontColorPixels, 10);
}

}  // namespace
}  // namespace lrw
