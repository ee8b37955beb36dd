// Move, Delete, Insert blank and Duplicate, from buttons, menus and shortcuts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/SecondsSpinBox.h"
#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {
namespace {

using test::BlankSlide;
using test::PictureSlide;
using Names = std::vector<std::string>;

class EditCommands : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  TSlideshowDesignForm form{fakes.services()};

  void LoadFive() {
    std::vector<SlideRecord> slides;
    for (const char* n : {"s0.jpg", "s1.jpg", "s2.jpg", "s3.jpg", "s4.jpg"})
      slides.push_back(PictureSlide(n));
    test::LoadShow(form, std::move(slides));
  }
  void ExpectInStep() { EXPECT_EQ(test::StripTexts(form), test::SlideNames(form)); }
};

TEST_F(EditCommands, MoveLeftFromThreeKeepsTheSlideSelectedAtTwo) {
  LoadFive();
  test::SelectSlides(form, {3});
  form.btnMoveUp->click();
  EXPECT_EQ(test::SlideNames(form), Names({"s0.jpg", "s1.jpg", "s3.jpg", "s2.jpg", "s4.jpg"}));
  ExpectInStep();
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({2}));
  EXPECT_EQ(form.CurrentIndex(), 2);
  EXPECT_TRUE(form.btnMoveUp->isEnabled());
  EXPECT_TRUE(form.btnMoveDown->isEnabled());
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(EditCommands, MovingSlideOneLeftDisablesMoveLeft) {
  LoadFive();
  test::SelectSlides(form, {1});
  form.btnMoveUpClick();
  EXPECT_EQ(form.Document().SlideAt(0).PictureName, "s1.jpg");
  EXPECT_EQ(form.CurrentIndex(), 0);
  EXPECT_FALSE(form.btnMoveUp->isEnabled());
  EXPECT_TRUE(form.btnMoveDown->isEnabled());
}

TEST_F(EditCommands, MoveRightToTheEndDisablesMoveRight) {
  LoadFive();
  test::SelectSlides(form, {3});
  form.MoveRight1->trigger();
  EXPECT_EQ(form.Document().SlideAt(4).PictureName, "s3.jpg");
  ExpectInStep();
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({4}));
  EXPECT_FALSE(form.btnMoveDown->isEnabled());
}

TEST_F(EditCommands, MovesThatHaveNoTargetDoNothing) {
  struct Case {
    std::vector<int> selection;
    bool left;
  };
  const Case cases[] = {{{0}, true}, {{4}, false}, {{1, 2}, true}, {{1, 2}, false}, {{}, true}};
  for (const Case& c : cases) {
    LoadFive();
    for (int i : c.selection) form.SetSelected(i, true);
    if (!c.selection.empty()) form.SetCurrentIndex(c.selection.front());
    // A stale menu entry may still be enabled; the command checks for itself.
    (c.left ? form.MoveLeft1 : form.MoveRight1)->setEnabled(true);
    (c.left ? form.MoveLeft1 : form.MoveRight1)->trigger();
    EXPECT_EQ(test::SlideNames(form), Names({"s0.jpg", "s1.jpg", "s2.jpg", "s3.jpg", "s4.jpg"}));
    EXPECT_FALSE(form.Document().Modified());
  }
}

TEST_F(EditCommands, DeleteAsksWithAQuestionBeepAndRemovesTheSelectedSlides) {
  LoadFive();
  test::SelectSlides(form, {1, 3, 4});
  fakes.prompts.answers = {PromptAnswer::Yes};
  form.btnDelete->click();
  ASSERT_EQ(fakes.prompts.beeps, std::vector<BeepKind>({BeepKind::Question}));
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  const auto& q = fakes.prompts.asked[0];
  EXPECT_EQ(q.text, "Are you sure you want to delete the selected slides?");
  EXPECT_EQ(q.caption, "Confirm Delete");
  EXPECT_EQ(q.icon, PromptIcon::Question);
  EXPECT_EQ(q.buttons, PromptButtons::YesNo);
  EXPECT_EQ(q.defaultButton, PromptAnswer::No);
  EXPECT_EQ(test::SlideNames(form), Names({"s0.jpg", "s2.jpg"}));
  ExpectInStep();
  EXPECT_EQ(form.SelectedCount(), 0);
  EXPECT_TRUE(form.Document().Modified());
  EXPECT_TRUE(form.btnInsertBlank->isEnabled());
  EXPECT_FALSE(form.btnDelete->isEnabled());
  EXPECT_FALSE(form.cbTransition->isEnabled());
}

TEST_F(EditCommands, DeleteOfTheOnlySlideEmptiesTheStrip) {
  test::LoadShow(form, {PictureSlide("only.jpg")});
  test::SelectSlides(form, {0});
  fakes.prompts.answers = {PromptAnswer::Yes};
  form.Delete2->trigger();
  EXPECT_EQ(form.Document().Count(), 0);
  EXPECT_EQ(form.Strip()->Count(), 0);
  EXPECT_EQ(form.CurrentIndex(), -1);
}

TEST_F(EditCommands, AnsweringNoKeepsEverySlideButMarksTheShowModified) {
  LoadFive();
  test::SelectSlides(form, {0, 2});
  fakes.prompts.answers = {PromptAnswer::No};
  form.Delete1->trigger();
  EXPECT_EQ(form.Document().Count(), 5);
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({0, 2}));
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(EditCommands, InsertBlankIntoAnEmptyShowUsesTheFirstSlideDefaults) {
  form.btnInsertBlank->click();
  ASSERT_EQ(form.Document().Count(), 1);
  ASSERT_EQ(form.Strip()->Count(), 1);
  const SlideRecord& s = MutableSlide(form.Document(), 0);
  EXPECT_TRUE(s.IsBlank());
  EXPECT_EQ(s.BackgroundColor, 0u);
  EXPECT_EQ(s.Effect, 0);
  EXPECT_EQ(s.BoxWidth, 2);
  EXPECT_EQ(s.DurationMode, TimeElapsed);
  EXPECT_EQ(s.ExtraSeconds, 5);
  EXPECT_EQ(s.CenterImage, 1);
  EXPECT_EQ(s.CaptionFontName, kDesignerFontName);
  EXPECT_EQ(form.Strip()->ItemText(0), "");
  EXPECT_EQ(form.SelectedCount(), 0);
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(EditCommands, InsertBlankAfterTheCurrentSlideInheritsItsSettings) {
  LoadFive();
  SlideRecord& two = MutableSlide(form.Document(), 2);
  two.BackgroundColor = 0x000000FFu;
  two.Effect = 17;
  two.BoxWidth = 6;
  two.DurationMode = SoundEnded;
  two.ExtraSeconds = 30;
  two.Caption = {"Hello"};
  two.ShowCaption = 1;
  two.PlaySound = 1;
  two.SoundName = "a.wav";
  test::SelectSlides(form, {2});
  form.InsertBlank2->trigger();
  ASSERT_EQ(form.Document().Count(), 6);
  ExpectInStep();
  const SlideRecord& b = MutableSlide(form.Document(), 3);
  EXPECT_TRUE(b.IsBlank());
  EXPECT_EQ(b.BackgroundColor, 0x000000FFu);
  EXPECT_EQ(b.Effect, 17);
  EXPECT_EQ(b.BoxWidth, 6);
  EXPECT_EQ(b.DurationMode, SoundEnded);
  EXPECT_EQ(b.ExtraSeconds, 30);
  EXPECT_TRUE(b.Caption.empty());
  EXPECT_EQ(b.ShowCaption, 0);
  EXPECT_EQ(b.PlaySound, 0);
  EXPECT_TRUE(b.SoundName.empty());
  EXPECT_FALSE(b.Thumbnail.has_value());
  // The selection and the current slide stay where they were.
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({2}));
  EXPECT_EQ(form.CurrentIndex(), 2);
}

TEST_F(EditCommands, InsertBlankAndDuplicateRefuseSeveralSelectedSlides) {
  LoadFive();
  test::SelectSlides(form, {1, 2});
  EXPECT_FALSE(form.btnInsertBlank->isEnabled());
  EXPECT_FALSE(form.btnDuplicate->isEnabled());
  form.btnInsertBlankClick();
  form.btnDuplicateClick();
  EXPECT_EQ(form.Document().Count(), 5);
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(EditCommands, DuplicateDropsTheSoundAndOwnsItsCaption) {
  LoadFive();
  SlideRecord& one = MutableSlide(form.Document(), 1);
  one.PlaySound = 1;
  one.SoundFolder = "/snd/";
  one.SoundName = "bell.wav";
  one.Caption = {"First line", "Second"};
  test::SelectSlides(form, {1});
  form.btnDuplicate->click();
  ASSERT_EQ(form.Document().Count(), 6);
  ExpectInStep();
  const SlideRecord& src = MutableSlide(form.Document(), 1);
  SlideRecord& copy = MutableSlide(form.Document(), 2);
  EXPECT_EQ(copy.PictureName, "s1.jpg");
  EXPECT_EQ(form.Strip()->ItemText(2), "s1.jpg");
  EXPECT_EQ(copy.PlaySound, 0);
  EXPECT_TRUE(copy.SoundFolder.empty());
  EXPECT_TRUE(copy.SoundName.empty());
  EXPECT_EQ(copy.Thumbnail, src.Thumbnail);
  EXPECT_EQ(copy.Caption, src.Caption);
  copy.Caption[0] = "Changed";
  EXPECT_EQ(src.Caption[0], "First line");
  EXPECT_EQ(src.SoundName, "bell.wav");
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({1}));
  EXPECT_EQ(form.CurrentIndex(), 1);
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(EditCommands, MenuEntriesCopyTheButtonStatesWhenTheMenusOpen) {
  LoadFive();
  const std::vector<std::vector<int>> selections = {{}, {0}, {2}, {4}, {1, 3}};
  for (const auto& sel : selections) {
    for (int i : test::SelectedIndices(form)) form.SetSelected(i, false);
    for (int i : sel) form.SetSelected(i, true);
    if (!sel.empty()) form.SetCurrentIndex(sel.front());
    form.UpdateCommandStates();
    // Spoil the entries, as if the selection had changed behind the menus' back.
    for (QAction* a : form.Edit1->actions()) a->setEnabled(false);
    for (QAction* a : form.EditPopup->actions()) a->setEnabled(!a->isEnabled());
    emit form.Edit1->aboutToShow();
    emit form.EditPopup->aboutToShow();
    const std::pair<QToolButton*, std::pair<QAction*, QAction*>> pairs[] = {
        {form.btnMoveUp, {form.MoveLeft1, form.MoveLeft2}},
        {form.btnMoveDown, {form.MoveRight1, form.MoveRight2}},
        {form.btnDelete, {form.Delete1, form.Delete2}},
        {form.btnDuplicate, {form.Duplicate1, form.Duplicate2}},
        {form.btnInsertBlank, {form.InsertBlank1, form.InsertBlank2}},
    };
    for (const auto& [button, actions] : pairs) {
      EXPECT_EQ(actions.first->isEnabled(), button->isEnabled()) << button->toolTip().toStdString();
      EXPECT_EQ(actions.second->isEnabled(), button->isEnabled());
    }
    EXPECT_TRUE(form.Addslides1->isEnabled());
  }
}

class EditShortcuts : public EditCommands {
 protected:
  void SetUp() override {
    LoadFive();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }
};

TEST_F(EditShortcuts, ShortcutsRunTheCommands) {
  form.ImageListBox->setFocus();
  test::SelectSlides(form, {2});
  QTest::keyClick(form.ImageListBox, Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(form.Document().SlideAt(1).PictureName, "s2.jpg");
  QTest::keyClick(form.ImageListBox, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(form.Document().SlideAt(2).PictureName, "s2.jpg");
  QTest::keyClick(form.ImageListBox, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(form.Document().Count(), 6);
  QTest::keyClick(form.ImageListBox, Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(form.Document().Count(), 7);
  EXPECT_TRUE(form.Document().SlideAt(3).IsBlank());
  fakes.prompts.answers = {PromptAnswer::Yes};
  QTest::keyClick(form.ImageListBox, Qt::Key_Delete);
  EXPECT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(form.Document().Count(), 6);
  ExpectInStep();
}

TEST_F(EditShortcuts, ARightClickKeepsTheSelectionForTheContextMenu) {
  test::SelectSlides(form, {1, 3});
  int requests = 0;
  QObject::connect(form.ImageListBox, &QWidget::customContextMenuRequested, [&] { ++requests; });
  const QPoint first(38, StripItemHeight() / 2);
  QTest::mouseClick(form.ImageListBox->viewport(), Qt::RightButton, {}, first);
  QContextMenuEvent menu(QContextMenuEvent::Mouse, first,
                         form.ImageListBox->viewport()->mapToGlobal(first));
  QApplication::sendEvent(form.ImageListBox->viewport(), &menu);
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(test::SelectedIndices(form), std::vector<int>({1, 3}));
  form.EditPopup->close();
}

TEST_F(EditShortcuts, TextFieldsKeepDeleteAndCopy) {
  test::SelectSlides(form, {2});
  form.seAdditional_Time->setFocus();
  ASSERT_TRUE(form.seAdditional_Time->hasFocus());
  QTest::keyClick(form.seAdditional_Time, Qt::Key_Delete);
  QTest::keyClick(form.seAdditional_Time, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(fakes.prompts.asked.empty());
  EXPECT_EQ(form.Document().Count(), 5);
}

}  // namespace
}  // namespace lrw
