// Keyboard use of the designer: the access keys of the labels and group boxes, the
// tab order, and what stays on show after a show is replaced.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextDocument>
#include <QToolButton>

#include "designer/ColorSwatch.h"
#include "designer/DesignerFixture.h"

namespace lrw {
namespace {

class Keyboard : public test::DesignerFixture {
 protected:
  void SetUp() override {
    DesignerFixture::SetUp();
    SlideRecord sounding = test::PictureSlide("two.jpg");
    sounding.PlaySound = 1;
    sounding.SoundFolder = "/Sounds/";
    sounding.SoundName = "ding.wav";
    sounding.DurationMode = DurationMode::SoundEnded;
    Open({test::PictureSlide("one.jpg"), sounding, test::PictureSlide("three.jpg")});
  }

  QWidget* AfterAltKey(char key) {
    QTest::keyClick(&form, Qt::Key(key), Qt::AltModifier);
    return QApplication::focusWidget();
  }
};

TEST_F(Keyboard, AccessKeysLeadToTheFirstControlThatCanTakeTheFocus) {
  // The second slide is current first, so "Move left" once had the focus; with the
  // first slide selected it is disabled and "&Moves" must skip it.
  ClickCell(1);
  W("btnMoveUp")->setFocus();
  ClickCell(0);
  ASSERT_FALSE(W("btnMoveUp")->isEnabled());
  const std::pair<char, QWidget*> cases[] = {
      {'M', W("btnMoveDown")},     {'T', W("cbTransition")},  {'B', W("btnBackground")},
      {'C', W("cbxShow_Caption")}, {'D', W("rbTimeElapsed")},
  };
  for (const auto& [key, expected] : cases) {
    W("btnInsertBlank")->setFocus();
    EXPECT_EQ(AfterAltKey(key), expected) << "Alt+" << key;
  }
  // "&Slideshow sequence" and "&Sound" share their key: it goes to each in turn.
  W("btnInsertBlank")->setFocus();
  EXPECT_EQ(AfterAltKey('S'), W("ImageListBox"));
  EXPECT_EQ(AfterAltKey('S'), W("cbxPlay_Sound"));
  EXPECT_EQ(AfterAltKey('S'), W("ImageListBox"));
  // The checked duration button is the one the group leads to.
  ClickCell(1);
  W("btnInsertBlank")->setFocus();
  EXPECT_EQ(AfterAltKey('D'), W("rbSoundEnded"));
  W("btnInsertBlank")->setFocus();
  EXPECT_EQ(AfterAltKey('M'), W("btnMoveUp"));
}

TEST_F(Keyboard, TabVisitsTheControlsFromTheStripThroughThePanel) {
  // A duration button that had the focus for another slide is no tab stop later.
  ClickCell(0);
  W("rbTimeElapsed")->setFocus();
  ClickCell(1);
  W("ImageListBox")->setFocus();
  const std::vector<QWidget*> order = {
      W("btnMoveUp"),       W("btnMoveDown"),       W("btnDelete"),     W("btnDuplicate"),
      W("btnInsertBlank"),  W("cbTransition"),      W("tbBox_Width"),   W("btnShowTransition"),
      W("btnFit"),          W("btnFill"),           W("cbxCenter"),     W("btnBackground"),
      W("cbxShow_Caption"), W("cbxPlay_Sound"),     W("btnPlay_Sound"), W("btnChange_Sound"),
      W("rbSoundEnded"),    W("seAdditional_Time"), W("cbMotion"),      W("btnPreview"),
      W("ImageListBox")};
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    // A spin box takes the focus in its text field.
    if (focus && focus->parentWidget() == W("seAdditional_Time")) focus = W("seAdditional_Time");
    EXPECT_EQ(focus, expected) << expected->metaObject()->className() << " "
                               << expected->toolTip().toStdString();
  }
}

TEST_F(Keyboard, OpeningAShowLeavesNothingOfTheOldOneInThePanel) {
  ClickCell(1);
  ASSERT_EQ(W<QLabel>("lblSound_File_Name")->text(), "ding.wav");
  Open({test::PictureSlide("new.jpg"), test::BlankSlide(0x00FF0000u)}, "other.sho");

  EXPECT_EQ(Strip()->CurrentIndex(), 0);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(form.StatusText(), "");
  EXPECT_EQ(W<QLabel>("lblSound_File_Name")->text(), "");
  EXPECT_EQ(W<QComboBox>("cbTransition")->currentIndex(), -1);
  EXPECT_EQ(W<QCheckBox>("cbxPlay_Sound")->checkState(), Qt::Unchecked);
  EXPECT_FALSE(W<QRadioButton>("rbSoundEnded")->isChecked());
  EXPECT_EQ(W<ColorSwatch>("lbBackground")->Color(), QColor(Qt::white));
  for (const char* name : {"cbTransition", "cbxPlay_Sound", "btnPreview"})
    EXPECT_FALSE(W(name)->isEnabled()) << name;
  // Clearing the panel is not an edit, and the first click loads the new show.
  ClickCell(0);
  EXPECT_EQ(Selected(), std::vector<int>{0});
  EXPECT_TRUE(W("cbTransition")->isEnabled());
  EXPECT_FALSE(Doc().Modified());
}

// Every key of the designer's menus is told on a help page.
TEST_F(Keyboard, TheHelpPagesTellEveryMenuKey) {
  QString help;
  for (const QString& page : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")})) {
    QFile file(QStringLiteral(":/help/") + page);
    QTextDocument text;
    text.setHtml(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    help += text.toPlainText();
  }
  for (const QAction* action : form.findChildren<QAction*>()) {
    for (const QKeySequence& key : action->shortcuts())
      EXPECT_TRUE(help.contains(key.toString())) << action->objectName().toStdString();
  }
}

}  // namespace
}  // namespace lrw
