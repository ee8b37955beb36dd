// The edit commands in the window: buttons, both menus and the shortcuts run them, the
// strip follows, Undo and Redo bring back what was and name the step, and nothing runs
// while a slide is being arranged.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <functional>

#include "designer/DesignerFixture.h"

namespace lrw {
namespace {

using List = std::vector<std::string>;

class EditCommands : public test::DesignerFixture {
 protected:
  void SetUp() override {
    DesignerFixture::SetUp();
    std::vector<SlideRecord> slides;
    for (int i = 0; i < 5; ++i)
      slides.push_back(test::PictureSlide("s" + std::to_string(i), 40, 30, Thumb(i)));
    Open(std::move(slides));
  }
  static uint32_t Thumb(int i) { return 0xFF000000u | (0x203040u * (i + 1)); }
  void Key(Qt::Key key, Qt::KeyboardModifiers keys = Qt::ControlModifier) {
    QTest::keyClick(Strip(), key, keys);
  }
};

TEST_F(EditCommands, ButtonsMenusAndShortcutsRunTheCommandsAndTheStripFollows) {
  ClickCell(2);
  struct Step {
    const char* how;
    std::function<void()> act;
    List names;
    std::vector<int> selected;
  };
  const Step steps[] = {
      {"Move left button",
       [&] { W<QToolButton>("btnMoveUp")->click(); },
       {"s0", "s2", "s1", "s3", "s4"},
       {1}},
      {"Move Right entry",
       [&] { Action("MoveRight1")->trigger(); },
       {"s0", "s1", "s2", "s3", "s4"},
       {2}},
      {"Ctrl+L", [&] { Key(Qt::Key_L); }, {"s0", "s2", "s1", "s3", "s4"}, {1}},
      {"Ctrl+R", [&] { Key(Qt::Key_R); }, {"s0", "s1", "s2", "s3", "s4"}, {2}},
      {"Duplicate in the context menu",
       [&] { Action("Duplicate2")->trigger(); },
       {"s0", "s1", "s2", "s2", "s3", "s4"},
       {2}},
      {"Ctrl+K", [&] { Key(Qt::Key_K); }, {"s0", "s1", "s2", "", "s2", "s3", "s4"}, {2}},
      {"Del", [&] { Key(Qt::Key_Delete, Qt::NoModifier); }, {"s0", "s1", "", "s2", "s3", "s4"}, {}},
  };
  fakes.prompts.answers = {PromptAnswer::Yes};
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(Names(), s.names) << s.how;
    EXPECT_EQ(StripTexts(), s.names) << s.how;
    EXPECT_EQ(Selected(), s.selected) << s.how;
  }
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  const auto& q = fakes.prompts.asked[0];
  EXPECT_EQ(q.text, "Are you sure you want to delete the selected slides?");
  EXPECT_EQ(q.caption, "Confirm Delete");
  EXPECT_EQ(q.buttons, PromptButtons::YesNo);
  EXPECT_EQ(q.defaultButton, PromptAnswer::No);
  EXPECT_EQ(fakes.prompts.beeps, std::vector<BeepKind>{BeepKind::Question});
}

// Select slide 2, move the focus with Ctrl+Right to slide 5: a blank slide goes after
// slide 5 and copies it, as pictures added from the menu do.
TEST_F(EditCommands, InsertBlankGoesAfterTheFocusedSlideAndCopiesIt) {
  std::vector<SlideRecord> slides = Doc().Slides();
  for (int i = 0; i < 5; ++i) slides[i].Effect = static_cast<uint8_t>(i + 3);
  Open(std::move(slides), "effects.sho");
  ClickCell(1);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Right);
  W<QToolButton>("btnInsertBlank")->click();
  EXPECT_EQ(Names(), (List{"s0", "s1", "s2", "s3", "s4", ""}));
  EXPECT_EQ(Doc().SlideAt(5).Effect, 7);
}

TEST_F(EditCommands, CtrlZAfterADeleteBringsTheSlidesBackWithTheirThumbnailsAndSelection) {
  ClickCell(1);
  ClickCell(3, Qt::ControlModifier);
  fakes.prompts.answers = {PromptAnswer::Yes};
  Key(Qt::Key_Delete, Qt::NoModifier);
  ASSERT_EQ(Names(), (List{"s0", "s2", "s4"}));
  for (const char* name : {"Undo1", "Undo2"}) EXPECT_EQ(Action(name)->text(), "&Undo Delete");
  EXPECT_FALSE(Action("Redo1")->isEnabled());

  Key(Qt::Key_Z);
  const List all{"s0", "s1", "s2", "s3", "s4"};
  EXPECT_EQ(Names(), all);
  EXPECT_EQ(StripTexts(), all);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
  EXPECT_EQ(Strip()->CurrentIndex(), 3);
  EXPECT_FALSE(Doc().Modified()) << "back as it was opened";
  for (const char* name : {"Redo1", "Redo2"}) EXPECT_EQ(Action(name)->text(), "Re&do Delete");
  EXPECT_EQ(Action("Undo1")->text(), "&Undo");
  // Each cell shows its own thumbnail again.
  const QImage strip = Strip()->viewport()->grab().toImage();
  for (int i = 0; i < 5; ++i) {
    const QRect cell = Strip()->visualRect(Strip()->model()->index(i, 0));
    EXPECT_EQ(strip.pixel(cell.left() + 38, cell.top() + 35), Thumb(i)) << i;
  }

  Key(Qt::Key_Y);
  EXPECT_EQ(Names(), (List{"s0", "s2", "s4"}));
  EXPECT_EQ(StripTexts(), Names());
  EXPECT_EQ(Action("Undo2")->text(), "&Undo Delete");
}

TEST_F(EditCommands, WhileASlideIsArrangedNoMenuEntryOrShortcutChangesTheShow) {
  ClickCell(1);
  W<QPushButton>("btnPreview")->click();
  ASSERT_TRUE(form.Stage());
  for (const char* name : {"MoveLeft1", "MoveRight2", "Delete1", "Duplicate1", "InsertBlank2",
                           "Addslides1", "Undo1", "Open1", "Close1", "Loop1", "RunFromStart1"}) {
    QAction* a = Action(name);
    EXPECT_FALSE(a->isEnabled()) << name;
    // Even an entry left enabled by mistake, or its shortcut, reaches a refusal.
    a->setEnabled(true);
    a->trigger();
  }
  EXPECT_EQ(Names(), (List{"s0", "s1", "s2", "s3", "s4"}));
  EXPECT_TRUE(fakes.prompts.asked.empty());
  EXPECT_TRUE(fakes.dialogs.openFilesRequests.empty());
  QTest::keyClick(form.Stage(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));
  EXPECT_TRUE(Action("MoveLeft1")->isEnabled());
}

TEST_F(EditCommands, ARightClickKeepsTheSelectionForTheContextMenu) {
  ClickCell(1);
  ClickCell(3, Qt::ControlModifier);
  int requests = 0;
  QObject::connect(Strip(), &QWidget::customContextMenuRequested, [&] { ++requests; });
  const QPoint first(38, StripItemHeight() / 2);
  QTest::mouseClick(Strip()->viewport(), Qt::RightButton, {}, first);
  QContextMenuEvent menu(QContextMenuEvent::Mouse, first, Strip()->viewport()->mapToGlobal(first));
  QApplication::sendEvent(Strip()->viewport(), &menu);
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
  W<QMenu>("EditPopup")->close();
}

TEST_F(EditCommands, TextFieldsKeepDeleteAndCopy) {
  ClickCell(2);
  auto* seconds = W<QSpinBox>("seAdditional_Time");
  seconds->setFocus();
  QTest::keyClick(seconds, Qt::Key_Delete);
  QTest::keyClick(seconds, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(fakes.prompts.asked.empty());
  EXPECT_EQ(Doc().Count(), 5);
}

}  // namespace
}  // namespace lrw
