// The designer window: layout, panel loading, command states, selection.
#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "designer/ColorSwatch.h"
#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/GrayableCheckBox.h"
#include "designer/SecondsSpinBox.h"
#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {
namespace {

using test::BlankSlide;
using test::PictureSlide;

class DesignerWindow : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  TSlideshowDesignForm form{fakes.services()};

  // A show of five: three pictures, then a blank, then a picture.
  void LoadFive() {
    std::vector<SlideRecord> slides;
    slides.push_back(PictureSlide("one.jpg"));
    slides.push_back(PictureSlide("two.jpg"));
    slides.push_back(PictureSlide("three.jpg"));
    slides.push_back(BlankSlide(0x00FF0000u));
    slides.push_back(PictureSlide("five.jpg"));
    test::LoadShow(form, std::move(slides));
  }
};

TEST_F(DesignerWindow, ControlsHaveTheirCaptionsHintsAndPlaces) {
  EXPECT_EQ(form.Label1->text(), "&Slideshow sequence");
  EXPECT_EQ(form.Label1->buddy(), form.ImageListBox);
  EXPECT_EQ(form.gbMoves->title(), "&Moves");
  EXPECT_EQ(form.gbMoves->geometry(), QRect(6, 16, 107, 81));
  const std::pair<QToolButton*, std::pair<const char*, QRect>> glyphs[] = {
      {form.btnMoveUp, {"Move left", QRect(25, 16, 25, 25)}},
      {form.btnMoveDown, {"Move right", QRect(57, 16, 25, 25)}},
      {form.btnDelete, {"Delete", QRect(9, 48, 25, 25)}},
      {form.btnDuplicate, {"Duplicate", QRect(41, 48, 25, 25)}},
      {form.btnInsertBlank, {"Insert blank", QRect(73, 48, 25, 25)}},
  };
  for (const auto& [button, expect] : glyphs) {
    EXPECT_EQ(button->toolTip(), expect.first);
    EXPECT_EQ(button->geometry(), expect.second) << expect.first;
    EXPECT_FALSE(button->icon().isNull()) << expect.first;
  }
  // Places within their group boxes (width and height where the design fixes them).
  const std::pair<QWidget*, QRect> places[] = {
      {form.Label1, QRect(122, 5, 0, 0)},          {form.cbTransition, QRect(16, 30, 177, 0)},
      {form.lblBox_Width, QRect(7, 68, 0, 0)},     {form.lblSlower, QRect(13, 112, 0, 0)},
      {form.lblFaster, QRect(161, 112, 0, 0)},     {form.btnShowTransition, QRect(49, 140, 93, 31)},
      {form.cbxCenter, QRect(35, 186, 0, 0)},      {form.btnBackground, QRect(11, 19, 82, 25)},
      {form.cbxShow_Caption, QRect(28, 20, 0, 0)}, {form.btnEdit_Caption, QRect(84, 16, 49, 25)},
      {form.cbxPlay_Sound, QRect(16, 15, 0, 0)},   {form.lblSound_File_Name, QRect(12, 43, 0, 0)},
      {form.btnPlay_Sound, QRect(16, 71, 57, 26)}, {form.btnChange_Sound, QRect(88, 71, 57, 26)},
      {form.rbEnterPressed, QRect(9, 16, 0, 0)},   {form.rbSoundEnded, QRect(9, 40, 0, 0)},
      {form.rbTimeElapsed, QRect(9, 64, 0, 0)},    {form.seAdditional_Time, QRect(36, 91, 49, 22)},
      {form.Label5, QRect(96, 98, 0, 0)},
  };
  for (const auto& [w, r] : places) {
    const QRect g = w->geometry();
    EXPECT_EQ(g.topLeft(), r.topLeft()) << w->metaObject()->className();
    if (r.width() > 0) EXPECT_EQ(g.width(), r.width()) << w->metaObject()->className();
    if (r.height() > 0) EXPECT_EQ(g.height(), r.height()) << w->metaObject()->className();
  }
  EXPECT_EQ(form.btnPreview->x(), 405);
  EXPECT_EQ(form.btnPreview->size(), QSize(134, 24));
  EXPECT_EQ(form.cbTransition->count(), 42);
  EXPECT_EQ(form.cbTransition->itemText(35), "Dissolve");
  EXPECT_FALSE(form.cbTransition->isEditable());
  EXPECT_EQ(form.tbBox_Width->minimum(), 2);
  EXPECT_EQ(form.tbBox_Width->maximum(), 10);
  EXPECT_EQ(form.tbBox_Width->pageStep(), 5);
  EXPECT_EQ(form.tbBox_Width->value(), 2);
  EXPECT_EQ(form.tbBox_Width->geometry(), QRect(4, 83, 196, 30));
  EXPECT_EQ(form.btnShowTransition->text(), "Show Me");
  EXPECT_EQ(form.btnShowTransition->toolTip(), "Demonstrate the transition");
  EXPECT_EQ(form.btnPreview->text(), "&Arrange Slide");
  EXPECT_EQ(form.btnPreview->toolTip(), "Set image and caption placement");
  EXPECT_EQ(form.lbBackground->color(), QColor(Qt::white));
  EXPECT_EQ(form.lbBackground->geometry(), QRect(100, 20, 49, 22));
  EXPECT_EQ(form.seAdditional_Time->minimum(), 0);
  EXPECT_EQ(form.seAdditional_Time->maximum(), 120);
  EXPECT_EQ(form.rbSoundEnded->text(), "Display until sound ends plus...");
  EXPECT_EQ(form.gbDuration->title(), "&Duration");
  EXPECT_FALSE(form.StatusBar1->isSizeGripEnabled());
  EXPECT_EQ(form.HelpContext, 1);
  EXPECT_EQ(SlideshowDesignForm.data(), &form);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(DesignerWindow, MenusHoldTheEditEntriesAndTheOtherMenusTheirPlaces) {
  EXPECT_EQ(form.File1->title(), "F&ile");
  EXPECT_EQ(form.Edit1->title(), "&Edit");
  EXPECT_EQ(form.Run1->title(), "&Run");
  EXPECT_EQ(form.Help1->title(), "&Help");
  QStringList edit;
  for (QAction* a : form.Edit1->actions())
    edit << (a->isSeparator() ? QStringLiteral("-") : a->text() + "|" + a->shortcut().toString());
  EXPECT_EQ(edit, QStringList({"&Add slides|", "-", "Move &Left|Ctrl+L", "Move &Right|Ctrl+R",
                               "D&elete|Del", "Dupli&cate|Ctrl+C", "-", "Insert Blan&k|Ctrl+K"}));
  QStringList popup;
  for (QAction* a : form.EditPopup->actions()) popup << a->text() + "|" + a->shortcut().toString();
  EXPECT_EQ(popup, QStringList({"Move &Left|", "Move &Right|", "D&elete|", "Dupli&cate|",
                                "Insert &Blank|"}));
}

TEST_F(DesignerWindow, LayoutFollowsTheWindowWidth) {
  const int item = StripItemHeight();
  const int stripHeight = item + form.ImageListBox->ScrollBarHeight() + 2;
  const int y = 22 + stripHeight + 6;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  for (int width : {580, 500, 351, 350, 1000}) {
    form.resize(width, 420);
    SCOPED_TRACE(width);
    const int cells = (width - 120) / 76;
    EXPECT_EQ(form.ImageListBox->geometry(), QRect(120, 22, 76 * cells + 2, stripHeight));
    // The cells fill the strip's inside exactly: never a partial column.
    EXPECT_EQ(form.ImageListBox->viewport()->width(), 76 * cells);
    EXPECT_EQ(form.ImageListBox->viewport()->height(), item);
    EXPECT_EQ(form.gbTransition->geometry(), QRect(6, y, 209, 223));
    EXPECT_EQ(form.gbBackground->geometry(), QRect(219, y, 157, 56));
    EXPECT_EQ(form.gbDuration->geometry(), QRect(380, y, 185, 120));
    EXPECT_EQ(form.gbCaption->geometry(), QRect(219, y + 56 + 4, 157, 56));
    EXPECT_EQ(form.gbSound->geometry(), QRect(219, y + 56 + 4 + 56 + 4, 157, 104));
    EXPECT_EQ(form.btnPreview->geometry(), QRect(405, 2 * y + 8, 134, 24));
  }
}

TEST_F(DesignerWindow, OpensAtTheBottomRightOfTheAvailableScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect frame = form.frameGeometry();
  EXPECT_EQ(frame.right(), area.right());
  EXPECT_EQ(frame.bottom(), area.bottom());
  EXPECT_EQ(form.width(), 580);
  EXPECT_GE(form.height(), 406);
}

// The enabled state of every command control, by selection.
struct StateCase {
  const char* name;
  std::vector<int> selection;  // first is current
  bool panel, single, insert, center, moveUp, moveDown;
};

TEST_F(DesignerWindow, CommandStatesFollowTheSelection) {
  const StateCase cases[] = {
      {"nothing selected", {}, false, false, true, false, false, false},
      {"first picture", {0}, true, true, true, true, false, true},
      {"middle picture", {2}, true, true, true, true, true, true},
      {"last picture", {4}, true, true, true, true, true, false},
      {"blank slide", {3}, true, true, true, false, true, true},
      {"two slides", {1, 2}, true, false, false, true, false, false},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    LoadFive();
    for (int i : c.selection) form.SetSelected(i, true);
    if (!c.selection.empty()) form.SetCurrentIndex(c.selection.front());
    form.ImageListBoxClick();
    form.UpdateCommandStates();
    for (QWidget* w : std::initializer_list<QWidget*>{
             form.cbTransition, form.lblBox_Width, form.lblSlower, form.lblFaster, form.tbBox_Width,
             form.btnBackground, form.lbBackground, form.rbEnterPressed, form.rbSoundEnded,
             form.rbTimeElapsed, form.seAdditional_Time, form.btnDelete}) {
      EXPECT_EQ(w->isEnabled(), c.panel) << w->metaObject()->className();
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{form.cbxShow_Caption, form.btnShowTransition,
                                         form.cbxPlay_Sound, form.btnPreview, form.btnDuplicate}) {
      EXPECT_EQ(w->isEnabled(), c.single);
    }
    EXPECT_EQ(form.btnInsertBlank->isEnabled(), c.insert);
    EXPECT_EQ(form.cbxCenter->isEnabled(), c.center);
    EXPECT_EQ(form.btnMoveUp->isEnabled(), c.moveUp);
    EXPECT_EQ(form.btnMoveDown->isEnabled(), c.moveDown);
    // Caption and sound buttons follow their boxes, which are unchecked here.
    EXPECT_FALSE(form.btnEdit_Caption->isEnabled());
    EXPECT_FALSE(form.btnPlay_Sound->isEnabled());
    EXPECT_FALSE(form.btnChange_Sound->isEnabled());
  }
}

TEST_F(DesignerWindow, EmptyShowOffersOnlyInsertBlank) {
  for (QToolButton* b : {form.btnMoveUp, form.btnMoveDown, form.btnDelete, form.btnDuplicate})
    EXPECT_FALSE(b->isEnabled());
  EXPECT_TRUE(form.btnInsertBlank->isEnabled());
  EXPECT_FALSE(form.cbTransition->isEnabled());
  EXPECT_EQ(form.StatusText(), "");
  EXPECT_EQ(form.CurrentIndex(), -1);
}

TEST_F(DesignerWindow, CaptionAndSoundButtonsFollowTheirBoxes) {
  std::vector<SlideRecord> slides{PictureSlide("a.jpg")};
  slides[0].ShowCaption = 1;
  slides[0].PlaySound = 1;
  slides[0].SoundName = "ding.wav";
  test::LoadShow(form, std::move(slides));
  test::SelectSlides(form, {0});
  EXPECT_TRUE(form.btnEdit_Caption->isEnabled());
  EXPECT_TRUE(form.btnPlay_Sound->isEnabled());
  EXPECT_TRUE(form.btnChange_Sound->isEnabled());
  EXPECT_EQ(form.lblSound_File_Name->text(), "ding.wav");
}

TEST_F(DesignerWindow, OneSlideLoadsItsValuesAndThePathIntoTheStatusLine) {
  std::vector<SlideRecord> slides{PictureSlide("Beach.JPG", 60, 45, 0xFF000000u, "/Home/Pics/")};
  slides[0].Effect = 35;
  slides[0].BoxWidth = 7;
  slides[0].BackgroundColor = 0x00336699u;
  slides[0].ExtraSeconds = 42;
  slides[0].DurationMode = SoundEnded;
  slides[0].CenterImage = 0;
  test::LoadShow(form, std::move(slides));
  test::SelectSlides(form, {0});
  EXPECT_EQ(form.StatusText(), "/home/pics/beach.jpg");
  EXPECT_EQ(form.cbTransition->currentIndex(), 35);
  EXPECT_EQ(form.tbBox_Width->value(), 7);
  EXPECT_EQ(form.lbBackground->color(), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(form.seAdditional_Time->value(), 42);
  EXPECT_TRUE(form.rbSoundEnded->isChecked());
  EXPECT_EQ(form.cbxCenter->checkState(), Qt::Unchecked);
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(DesignerWindow, BlankSlideShowsBlankInTheStatusLine) {
  LoadFive();
  test::SelectSlides(form, {3});
  EXPECT_EQ(form.StatusText(), "(blank)");
}

TEST_F(DesignerWindow, TwoDifferentSlidesShowMixedValues) {
  std::vector<SlideRecord> slides{PictureSlide("a.jpg"), PictureSlide("b.jpg")};
  slides[1].Effect = 12;
  slides[1].BoxWidth = 9;
  slides[1].BackgroundColor = 0x000000FFu;
  slides[1].CenterImage = 0;
  slides[1].ShowCaption = 1;
  slides[1].PlaySound = 1;
  slides[1].SoundName = "b.wav";
  slides[1].ExtraSeconds = 9;
  slides[1].DurationMode = EnterPressed;
  test::LoadShow(form, std::move(slides));
  test::SelectSlides(form, {0, 1});
  EXPECT_EQ(form.StatusText(), "");
  EXPECT_EQ(form.cbTransition->currentIndex(), -1);
  EXPECT_EQ(form.tbBox_Width->value(), 2);
  EXPECT_EQ(form.lbBackground->color(), QColor(Qt::white));
  EXPECT_EQ(form.cbxCenter->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(form.cbxShow_Caption->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(form.cbxPlay_Sound->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(form.lblSound_File_Name->text(), "");
  EXPECT_EQ(form.seAdditional_Time->text(), "");
  EXPECT_FALSE(form.rbEnterPressed->isChecked());
  EXPECT_FALSE(form.rbSoundEnded->isChecked());
  EXPECT_FALSE(form.rbTimeElapsed->isChecked());
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(DesignerWindow, TwoEqualSlidesShowTheirCommonValues) {
  std::vector<SlideRecord> slides{PictureSlide("a.jpg"), PictureSlide("b.jpg")};
  for (SlideRecord& s : slides) {
    s.Effect = 18;
    s.SoundName = "same.wav";
    s.ExtraSeconds = 17;
  }
  // Sound names compare case-sensitively.
  slides[1].SoundName = "Same.wav";
  test::LoadShow(form, std::move(slides));
  test::SelectSlides(form, {0, 1});
  EXPECT_EQ(form.cbTransition->currentIndex(), 18);
  EXPECT_EQ(form.seAdditional_Time->value(), 17);
  EXPECT_TRUE(form.rbTimeElapsed->isChecked());
  EXPECT_EQ(form.cbxCenter->checkState(), Qt::Checked);
  EXPECT_EQ(form.lblSound_File_Name->text(), "");
}

TEST_F(DesignerWindow, LoadingKeepsTheModifiedFlagAndRunsNoChangeHandler) {
  LoadFive();
  int changes = 0;
  QObject::connect(form.cbTransition, &QComboBox::currentIndexChanged, [&] { ++changes; });
  QObject::connect(form.tbBox_Width, &QSlider::valueChanged, [&] { ++changes; });
  QObject::connect(form.cbxCenter, &QCheckBox::stateChanged, [&] { ++changes; });
  QObject::connect(form.seAdditional_Time, &QSpinBox::textChanged, [&] { ++changes; });
  MutableSlide(form.Document(), 1).Effect = 20;
  MutableSlide(form.Document(), 1).CenterImage = 0;
  MutableSlide(form.Document(), 1).BoxWidth = 4;
  MutableSlide(form.Document(), 1).ExtraSeconds = 8;
  test::SelectSlides(form, {1});
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(form.Document().Modified());
  form.Document().SetModified(true);
  test::SelectSlides(form, {0});
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(DesignerWindow, MouseAndKeyboardSelection) {
  LoadFive();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QWidget* vp = form.ImageListBox->viewport();
  const int y = StripItemHeight() / 2;
  auto cell = [&](int i) { return QPoint(76 * i + 38, y); };

  QTest::mouseClick(vp, Qt::LeftButton, {}, cell(1));
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({1}));
  EXPECT_EQ(form.CurrentIndex(), 1);
  EXPECT_EQ(form.StatusText(), "/pics/two.jpg");

  QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, cell(3));
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({1, 3}));
  EXPECT_EQ(form.StatusText(), "");
  EXPECT_FALSE(form.btnDuplicate->isEnabled());

  QTest::mouseClick(vp, Qt::LeftButton, {}, cell(0));
  QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, cell(2));
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({0, 1, 2}));

  QTest::mouseClick(vp, Qt::LeftButton, {}, cell(2));
  QTest::keyClick(form.ImageListBox, Qt::Key_Right);
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({3}));
  EXPECT_EQ(form.CurrentIndex(), 3);
  EXPECT_EQ(form.StatusText(), "(blank)");
  QTest::keyClick(form.ImageListBox, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({2, 3}));
}

TEST_F(DesignerWindow, DeselectingTheLastSlideKeepsThePanel) {
  LoadFive();
  MutableSlide(form.Document(), 2).Effect = 9;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QWidget* vp = form.ImageListBox->viewport();
  const QPoint third(76 * 2 + 38, StripItemHeight() / 2);
  QTest::mouseClick(vp, Qt::LeftButton, {}, third);
  ASSERT_EQ(form.cbTransition->currentIndex(), 9);
  QTest::mouseClick(vp, Qt::LeftButton, Qt::ControlModifier, third);
  EXPECT_EQ(form.SelectedCount(), 0);
  EXPECT_EQ(form.cbTransition->currentIndex(), 9);
  EXPECT_TRUE(form.cbTransition->isEnabled());
  EXPECT_TRUE(form.btnDuplicate->isEnabled());
}

TEST_F(DesignerWindow, ThousandsOfSlidesScrollByWholeCells) {
  std::vector<SlideRecord> slides;
  for (int i = 0; i < 5000; ++i)
    slides.push_back(i % 7 == 3 ? BlankSlide(0x0000FF00u)
                                : PictureSlide("p" + std::to_string(i) + ".jpg"));
  test::LoadShow(form, std::move(slides));
  EXPECT_EQ(form.Strip()->Count(), 5000);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  test::SelectSlides(form, {4999});
  form.ImageListBox->scrollTo(form.ImageListBox->model()->index(4999, 0));
  const QRect last = form.ImageListBox->visualRect(form.ImageListBox->model()->index(4999, 0));
  EXPECT_EQ(last.width(), 76);
  EXPECT_EQ(last.right() + 1, form.ImageListBox->viewport()->width());
  EXPECT_EQ(last.left() % 76, 0);
  EXPECT_EQ(form.StatusText(), "/pics/p4999.jpg");
}

TEST_F(DesignerWindow, ClosingAsksToSaveAChangedShowAndCancelKeepsItOpen) {
  LoadFive();
  form.show();
  form.Document().SetModified(true);
  fakes.prompts.answers = {PromptAnswer::Cancel};
  EXPECT_FALSE(form.close());
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].text, "Do you want to save your slideshow changes?");
  EXPECT_EQ(fakes.prompts.asked[0].buttons, PromptButtons::YesNoCancel);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(SlideshowDesignForm.data(), &form);
  fakes.prompts.answers = {PromptAnswer::No};
  EXPECT_TRUE(form.close());
  EXPECT_EQ(SlideshowDesignForm.data(), nullptr);
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

TEST(ColorSwatch, ShowsItsColourInsideTheBevelAndClicksOnlyWhenEnabled) {
  ColorSwatch swatch;
  swatch.resize(49, 22);
  swatch.setColor(Qt::red);
  const QImage image = swatch.grab().toImage();
  EXPECT_EQ(image.pixelColor(24, 11), QColor(Qt::red));
  EXPECT_NE(image.pixelColor(0, 0), QColor(Qt::red));
  int clicks = 0;
  QObject::connect(&swatch, &ColorSwatch::clicked, [&] { ++clicks; });
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
