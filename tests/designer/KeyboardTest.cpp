// Keyboard use of the designer: the access keys of the labels and group boxes, the
// tab order, and what stays on show after a show is replaced.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "designer/ColorSwatch.h"
#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/SecondsSpinBox.h"
#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"

namespace lrw {
namespace {

class Keyboard : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  TSlideshowDesignForm form{fakes.services()};

  void SetUp() override {
    SlideRecord sounding = test::PictureSlide("two.jpg");
    sounding.PlaySound = 1;
    sounding.SoundFolder = "/Sounds/";
    sounding.SoundName = "ding.wav";
    sounding.DurationMode = SoundEnded;
    test::LoadShow(form,
                   {test::PictureSlide("one.jpg"), sounding, test::PictureSlide("three.jpg")});
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  QWidget* AfterAltKey(char key) {
    QTest::keyClick(&form, Qt::Key(key), Qt::AltModifier);
    return QApplication::focusWidget();
  }
};

TEST_F(Keyboard, AccessKeysLeadToTheFirstControlThatCanTakeTheFocus) {
  // The second slide is current first, so "Move left" once had the focus; with the
  // first slide selected it is disabled and "&Moves" must skip it.
  test::SelectSlides(form, {1});
  form.btnMoveUp->setFocus();
  test::SelectSlides(form, {0});
  ASSERT_FALSE(form.btnMoveUp->isEnabled());
  const std::pair<char, QWidget*> cases[] = {
      {'M', form.btnMoveDown},     {'T', form.cbTransition},  {'B', form.btnBackground},
      {'C', form.cbxShow_Caption}, {'D', form.rbTimeElapsed},
  };
  for (const auto& [key, expected] : cases) {
    form.btnInsertBlank->setFocus();
    EXPECT_EQ(AfterAltKey(key), expected) << "Alt+" << key;
  }
  // "&Slideshow sequence" and "&Sound" share their key: it goes to each in turn.
  form.btnInsertBlank->setFocus();
  EXPECT_EQ(AfterAltKey('S'), form.ImageListBox);
  EXPECT_EQ(AfterAltKey('S'), form.cbxPlay_Sound);
  EXPECT_EQ(AfterAltKey('S'), form.ImageListBox);
  // The checked duration button is the one the group leads to.
  test::SelectSlides(form, {1});
  form.btnInsertBlank->setFocus();
  EXPECT_EQ(AfterAltKey('D'), form.rbSoundEnded);
  form.btnInsertBlank->setFocus();
  EXPECT_EQ(AfterAltKey('M'), form.btnMoveUp);
}

TEST_F(Keyboard, TabVisitsTheControlsFromTheStripThroughThePanel) {
  // A duration button that had the focus for another slide is no tab stop later.
  test::SelectSlides(form, {0});
  form.rbTimeElapsed->setFocus();
  test::SelectSlides(form, {1});
  form.ImageListBox->setFocus();
  const std::vector<QWidget*> order = {
      form.btnMoveUp,      form.btnMoveDown,     form.btnDelete,       form.btnDuplicate,
      form.btnInsertBlank, form.cbTransition,    form.tbBox_Width,     form.btnShowTransition,
      form.cbxCenter,      form.btnBackground,   form.cbxShow_Caption, form.cbxPlay_Sound,
      form.btnPlay_Sound,  form.btnChange_Sound, form.rbSoundEnded,    form.seAdditional_Time,
      form.btnPreview,     form.ImageListBox};
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    // A spin box takes the focus in its text field.
    if (focus && focus->parentWidget() == form.seAdditional_Time) focus = form.seAdditional_Time;
    EXPECT_EQ(focus, expected) << expected->metaObject()->className() << " "
                               << expected->toolTip().toStdString();
  }
}

TEST_F(Keyboard, OpeningAShowLeavesNothingOfTheOldOneInThePanel) {
  QTemporaryDir dir;
  SlideShowDocument other;
  other.Load({test::PictureSlide("new.jpg"), test::BlankSlide(0x00FF0000u)}, {}, false);
  const std::string path = dir.filePath("other.sho").toStdString();
  ASSERT_TRUE(WriteShowFile(other, path, false).ok);

  test::SelectSlides(form, {1});
  ASSERT_EQ(form.lblSound_File_Name->text(), "ding.wav");
  ASSERT_FALSE(form.StatusText().isEmpty());
  ASSERT_TRUE(form.OpenFile(path));

  EXPECT_EQ(form.CurrentIndex(), 0);
  EXPECT_EQ(form.SelectedCount(), 0);
  EXPECT_FALSE(form.Document().Modified());
  EXPECT_EQ(form.StatusText(), "");
  EXPECT_EQ(form.lblSound_File_Name->text(), "");
  EXPECT_EQ(form.cbTransition->currentIndex(), -1);
  EXPECT_EQ(form.cbxPlay_Sound->checkState(), Qt::Unchecked);
  EXPECT_FALSE(form.rbSoundEnded->isChecked());
  EXPECT_EQ(form.lbBackground->color(), QColor(Qt::white));
  for (QWidget* w :
       {static_cast<QWidget*>(form.cbTransition), static_cast<QWidget*>(form.cbxPlay_Sound),
        static_cast<QWidget*>(form.btnPreview)}) {
    EXPECT_FALSE(w->isEnabled());
  }
  // Clearing the panel is not an edit, and the first click loads the new show.
  QTest::mouseClick(form.ImageListBox->viewport(), Qt::LeftButton, {},
                    QPoint(TSlideshowDesignForm::CellWidth / 2, StripItemHeight() / 2));
  EXPECT_EQ(form.SelectedCount(), 1);
  EXPECT_TRUE(form.cbTransition->isEnabled());
  EXPECT_FALSE(form.Document().Modified());
}

}  // namespace
}  // namespace lrw
