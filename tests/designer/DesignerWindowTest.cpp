// The designer window: its menus and layout, what the panel and the status line show
// for the selection, and which slide the per-slide commands change. Which command is
// enabled when is the editor's rule (ShowEditorTest).
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

#include "designer/ColorSwatch.h"
#include "designer/DesignerFixture.h"
#include "designer/GrayableCheckBox.h"
#include "designer/ModalDriver.h"
#include "designer/SlideCaptionForm.h"

namespace lrw {
namespace {

using test::BlankSlide;
using test::PictureSlide;

class DesignerWindow : public test::DesignerFixture {};

TEST_F(DesignerWindow, OpensAtTheBottomRightAndTheStripShowsWholeCellsAtEveryWidth) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(form.frameGeometry().bottomRight(), area.bottomRight());
  const int item = StripItemHeight();
  const int stripHeight = item + Strip()->ScrollBarHeight() + 2;
  for (int width : {580, 500, 351, 350, 1000}) {
    SCOPED_TRACE(width);
    form.resize(width, 420);
    const int cells = (width - 120) / 76;
    EXPECT_EQ(Strip()->geometry(), QRect(120, 22, 76 * cells + 2, stripHeight));
    // The cells fill the strip's inside exactly: never a partial column.
    EXPECT_EQ(Strip()->viewport()->size(), QSize(76 * cells, item));
  }
  EXPECT_FALSE(W<QStatusBar>("StatusBar1")->isSizeGripEnabled());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(DesignerWindow, PanelAndStatusLineShowTheSelectedSlidesValues) {
  SlideRecord one = PictureSlide("Beach.JPG", 60, 45, 0xFF000000u, "/Home/Pics/");
  one.Effect = 35;
  one.BoxWidth = 7;
  one.BackgroundColor = 0x00336699u;
  one.ExtraSeconds = 42;
  one.DurationMode = DurationMode::SoundEnded;
  one.CenterImage = 0;
  one.PlaySound = 1;
  one.SoundName = "ding & dong.wav";
  Open({one, PictureSlide("two.jpg"), PictureSlide("three.jpg"), BlankSlide(0)});
  auto* effects = W<QComboBox>("cbTransition");
  auto* seconds = W<QSpinBox>("seAdditional_Time");
  auto radio = [this](const char* name) { return W<QRadioButton>(name)->isChecked(); };

  ClickCell(0);
  // The folder in lower case, the file name as it is.
  EXPECT_EQ(form.StatusText(), "/home/pics/Beach.JPG");
  EXPECT_EQ(effects->currentIndex(), 35);
  EXPECT_EQ(W<QSlider>("tbBox_Width")->value(), 7);
  EXPECT_EQ(W<ColorSwatch>("lbBackground")->Color(), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(seconds->value(), 42);
  EXPECT_TRUE(radio("rbSoundEnded"));
  EXPECT_EQ(W<QCheckBox>("cbxCenter")->checkState(), Qt::Unchecked);
  EXPECT_EQ(W<QLabel>("lblSound_File_Name")->text(), "ding & dong.wav");
  EXPECT_TRUE(W("btnPlay_Sound")->isEnabled());

  ClickCell(1, Qt::ShiftModifier);  // two different slides: nothing they do not share
  EXPECT_EQ(form.StatusText(), "");
  EXPECT_EQ(effects->currentIndex(), -1);
  EXPECT_EQ(W<QSlider>("tbBox_Width")->value(), 2);
  EXPECT_EQ(W<ColorSwatch>("lbBackground")->Color(), QColor(Qt::white));
  EXPECT_EQ(W<QCheckBox>("cbxCenter")->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(W<QCheckBox>("cbxPlay_Sound")->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(W<QLabel>("lblSound_File_Name")->text(), "");
  EXPECT_EQ(seconds->text(), "");
  EXPECT_FALSE(radio("rbEnterPressed") || radio("rbSoundEnded") || radio("rbTimeElapsed"));

  ClickCell(2, Qt::ShiftModifier);  // two alike: what they share
  ClickCell(1);
  ClickCell(2, Qt::ShiftModifier);
  EXPECT_EQ(effects->currentIndex(), 0);
  EXPECT_EQ(seconds->value(), FirstSlideDefaults().ExtraSeconds);
  EXPECT_TRUE(radio("rbTimeElapsed"));
  EXPECT_EQ(W<QCheckBox>("cbxCenter")->checkState(), Qt::Checked);
  ClickCell(3);
  EXPECT_EQ(form.StatusText(), "(blank)");
  EXPECT_FALSE(Doc().Modified()) << "showing is not editing";

  // The effect list opens below the box with 16 entries and scrolls the rest.
  effects->showPopup();
  QAbstractItemView* list = effects->view();
  EXPECT_EQ(list->viewport()->height() / list->sizeHintForRow(0), 16);
  EXPECT_LT(list->window()->height(), form.screen()->geometry().height() / 2);
  effects->hidePopup();
}

// Ctrl+arrows and Ctrl+click move the focus without the selection: whatever the focus,
// the panel, the status line and every per-slide command are about the selected slide.
TEST_F(DesignerWindow, PerSlideCommandsChangeTheSelectedSlideNotTheFocusedOne) {
  Open({PictureSlide("a.jpg"), PictureSlide("b.jpg"), PictureSlide("c.jpg")});
  ClickCell(0);
  QTest::keyClick(Strip(), Qt::Key_Right, Qt::ControlModifier);
  QTest::keyClick(Strip(), Qt::Key_Right, Qt::ControlModifier);
  ASSERT_EQ(Strip()->CurrentIndex(), 2);
  ASSERT_EQ(Selected(), std::vector<int>{0});
  EXPECT_EQ(form.StatusText(), "/pics/a.jpg");

  test::WhenModal<SlideCaptionForm>([](SlideCaptionForm& e) {
    QTest::keyClicks(e.TextEdit(), "on a");
    e.OkButton()->click();
  });
  W<QCheckBox>("cbxShow_Caption")->click();
  fakes.dialogs.openFileResults.push_back(QStringLiteral("/sounds/a.wav"));
  W<QCheckBox>("cbxPlay_Sound")->click();
  EXPECT_EQ(Doc().SlideAt(0).ShowCaption, 1);
  EXPECT_EQ(Doc().SlideAt(0).SoundName, "a.wav");
  EXPECT_EQ(Doc().SlideAt(2).ShowCaption, 0);
  EXPECT_EQ(Doc().SlideAt(2).SoundName, "");

  W<QPushButton>("btnPreview")->click();
  EXPECT_EQ(form.Editor().StageSlide(), Doc().IdAt(0));
  QTest::keyClick(form.Stage(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));

  ClickCell(1, Qt::ControlModifier);
  ClickCell(1, Qt::ControlModifier);  // the focus on b, unselected again
  ASSERT_EQ(Strip()->CurrentIndex(), 1);
  ASSERT_EQ(Selected(), std::vector<int>{0});
  W<QToolButton>("btnMoveDown")->click();
  EXPECT_EQ(Names(), (std::vector<std::string>{"b.jpg", "a.jpg", "c.jpg"}));
  EXPECT_EQ(Selected(), std::vector<int>{1});
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

TEST(ColorSwatch, ShowsItsColourInsideTheBevelAndClicksOnlyWhenEnabled) {
  ColorSwatch swatch;
  swatch.resize(49, 22);
  swatch.SetColor(Qt::red);
  const QImage image = swatch.grab().toImage();
  EXPECT_EQ(image.pixelColor(24, 11), QColor(Qt::red));
  EXPECT_NE(image.pixelColor(0, 0), QColor(Qt::red));
  int clicks = 0;
  QObject::connect(&swatch, &ColorSwatch::Clicked, [&] { ++clicks; });
  QTest::mouseClick(&swatch, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  swatch.setEnabled(false);
  QTest::mouseClick(&swatch, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST(GrayableCheckBox, AClickOnTheGrayedBoxChecksItAndClicksNeverGrayIt) {
  GrayableCheckBox box(QStringLiteral("Show"));
  box.resize(80, 20);
  box.setCheckState(Qt::PartiallyChecked);
  const Qt::CheckState expected[] = {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked};
  for (Qt::CheckState state : expected) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(box.checkState(), state);
  }
}

}  // namespace
}  // namespace lrw
