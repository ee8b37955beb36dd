#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>
#include <set>

#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"
#include "player/SlidePrepForm.h"

namespace lrw {
namespace {

SlideRecord Quick(uint32_t background) {
  SlideRecord s = test::BlankSlide(background);
  s.DurationMode = TimeElapsed;
  s.ExtraSeconds = 0;
  return s;
}

class RunCommandsTest : public ::testing::Test {
 protected:
  // Runs `command` while watching the runner window: records the slides it shows and
  // closes it after a time limit (a show that would not end by itself).
  void RunWatched(const std::function<void()>& command, int limitMs = 8000) {
    QTimer watch;
    QElapsedTimer elapsed;
    elapsed.start();
    QObject::connect(&watch, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* player = qobject_cast<TSlidePrepForm*>(w);
        if (!player) continue;
        ran = true;
        if (player->Runner().CurrentIndex >= 0) shown.insert(player->Runner().CurrentIndex);
        if (elapsed.elapsed() > limitMs) {
          timedOut = true;
          player->close();
        }
      }
    });
    watch.start(2);
    command();
  }

  test::FakeServices fake;
  std::unique_ptr<TSlideshowDesignForm> form =
      std::make_unique<TSlideshowDesignForm>(fake.services());
  bool ran = false;
  bool timedOut = false;
  std::set<int> shown;
};

TEST_F(RunCommandsTest, MenuEntriesInOrder) {
  const QList<QAction*> actions = form->Run1->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_EQ(actions[0], form->Loop1);
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_EQ(actions[2], form->RunFromStart1);
  EXPECT_EQ(actions[3], form->RunFromSelectedSlide1);
  EXPECT_EQ(form->Loop1->text(), "&Loop Until Esc Pressed");
  EXPECT_TRUE(form->Loop1->isCheckable());
  EXPECT_EQ(form->RunFromStart1->text(), "Run the Show from the &Beginning");
  EXPECT_EQ(form->RunFromStart1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
  EXPECT_EQ(form->RunFromSelectedSlide1->text(), "Run the Show from the &Selected Slide");
}

TEST_F(RunCommandsTest, EmptyShowOffersNothingAndDoesNotRun) {
  form->Run1Click();
  EXPECT_FALSE(form->Loop1->isEnabled());
  EXPECT_FALSE(form->RunFromStart1->isEnabled());
  EXPECT_FALSE(form->RunFromSelectedSlide1->isEnabled());
  RunWatched([&] { form->RunFromStart1Click(); });
  EXPECT_FALSE(ran);
}

TEST_F(RunCommandsTest, ShortcutRunsAShowLoadedAfterTheMenuWasLastOpened) {
  // The menu's states were worked out for an empty show; slides come afterwards.
  form->Run1Click();
  ASSERT_FALSE(form->RunFromStart1->isEnabled());
  form->Run1->aboutToHide();
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  RunWatched([&] { QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier); });
  EXPECT_FALSE(ran) << "an empty show does not run";

  test::LoadShow(*form, {Quick(0x0000FF), Quick(0x00FF00)});
  RunWatched([&] { QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier); });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(shown, (std::set<int>{0, 1}));
}

TEST_F(RunCommandsTest, SlidesEnableTheEntriesAndLoopMarkFollowsTheShow) {
  test::LoadShow(*form, {Quick(0), Quick(0)});
  form->Document().SetLoop(true);  // as read from a file
  form->Run1Click();
  EXPECT_TRUE(form->Loop1->isEnabled());
  EXPECT_TRUE(form->RunFromStart1->isEnabled());
  EXPECT_EQ(form->RunFromSelectedSlide1->isEnabled(), form->CurrentIndex() >= 0);
  EXPECT_TRUE(form->Loop1->isChecked());
}

TEST_F(RunCommandsTest, LoopToggleMarksTheShowModified) {
  test::LoadShow(*form, {Quick(0)});
  form->Run1Click();
  form->Loop1->trigger();
  EXPECT_TRUE(form->Document().Loop());
  EXPECT_TRUE(form->Loop1->isChecked());
  EXPECT_TRUE(form->Document().Modified());
  form->Document().SetModified(false);
  form->Loop1Click();
  EXPECT_FALSE(form->Document().Loop());
  EXPECT_FALSE(form->Loop1->isChecked());
  EXPECT_TRUE(form->Document().Modified());
}

TEST_F(RunCommandsTest, RunOnceWhenStartedToRunAndExitEvenIfTheShowLoops) {
  test::LoadShow(*form, {Quick(0x0000FF), Quick(0x00FF00)});
  form->Document().SetLoop(true);
  form->Options.RunAndExit = true;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  RunWatched([&] { form->RunFromStart1Click(); });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the arrow again
  EXPECT_TRUE(form->Document().Loop());                  // the show's own flag is kept
  EXPECT_FALSE(form->Document().Modified());
}

TEST_F(RunCommandsTest, LoopingShowRunsUntilStopped) {
  test::LoadShow(*form, {Quick(0x0000FF), Quick(0x00FF00)});
  form->Document().SetLoop(true);
  RunWatched([&] { form->RunFromStart1Click(); }, 600);
  EXPECT_TRUE(timedOut);
  EXPECT_EQ(shown, (std::set<int>{0, 1}));
}

TEST_F(RunCommandsTest, RunFromSelectedSlideStartsAtTheCurrentSlide) {
  test::LoadShow(*form, {Quick(0), Quick(0), Quick(0)});
  form->SetCurrentIndex(2);
  form->Document().SetLoop(false);
  RunWatched([&] { form->RunFromSelectedSlide1Click(); });
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(shown, (std::set<int>{2}));
}

}  // namespace
}  // namespace lrw
