// The Run menu of the designer running the real show window: which slides are shown,
// from where, how often, and what the designer looks like afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <set>
#include <vector>

#include "designer/DesignerFixture.h"
#include "player/SlidePrepForm.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

SlideRecord Quick(uint32_t background) {
  return test::SlideBuilder(test::BlankSlide(background))
      .Duration(DurationMode::TimeElapsed, 0)
      .Build();
}

class RunCommandsTest : public test::DesignerFixture {
 protected:
  void SetUp() override {
    DesignerFixture::SetUp();
    form.Windows().SetTransitionPacing(0);
  }
  // Runs `command` while watching the show window: records the slides it shows and
  // closes it after a time limit (a show that would not end by itself).
  void RunWatched(const std::function<void()>& command, int limitMs = 8000) {
    QTimer watch;
    QElapsedTimer elapsed;
    elapsed.start();
    QObject::connect(&watch, &QTimer::timeout, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* player = qobject_cast<SlidePrepForm*>(w);
        if (!player) continue;
        if (!ran) {
          QObject::connect(player, &SlidePrepForm::StateChanged, player, [this, player] {
            if (player->Runner().SlideReady() &&
                player->SlidesPresented() > static_cast<int>(played.size())) {
              played.push_back(player->Runner().CurrentIndex());
            }
          });
        }
        ran = true;
        if (player->Runner().CurrentIndex() >= 0) shown.insert(player->Runner().CurrentIndex());
        if (elapsed.elapsed() > limitMs) {
          timedOut = true;
          player->close();
        }
      }
    });
    watch.start(2);
    command();
  }

  bool ran = false;
  bool timedOut = false;
  std::set<int> shown;
  std::vector<int> played;  // every slide brought on screen, in turn
};

TEST_F(RunCommandsTest, CtrlBRunsTheShowFromItsFirstSlideOnceItHasSlides) {
  RunWatched([&] { QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier); });
  EXPECT_FALSE(ran) << "an empty show does not run";
  Open({Quick(0x0000FF), Quick(0x00FF00)});
  ClickCell(1);
  RunWatched([&] { QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier); });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(shown, (std::set<int>{0, 1}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Selected(), std::vector<int>{1}) << "the designer as it was";
}

TEST_F(RunCommandsTest, ALoopingShowRunsUntilStoppedUnlessStartedToRunOnce) {
  Open({Quick(0x0000FF), Quick(0x00FF00)}, "loop.sho", true);
  EXPECT_TRUE(Action("Loop1")->isChecked());
  RunWatched([&] { Action("RunFromStart1")->trigger(); }, 600);
  EXPECT_TRUE(timedOut);
  EXPECT_EQ(shown, (std::set<int>{0, 1}));

  timedOut = false;
  form.Editor().Memory().runOnce = true;  // started with "/r"
  RunWatched([&] { Action("RunFromStart1")->trigger(); });
  EXPECT_FALSE(timedOut);
  EXPECT_TRUE(Action("Loop1")->isChecked()) << "the show keeps its own flag";
  EXPECT_FALSE(Doc().Modified());
}

TEST_F(RunCommandsTest, RunFromTheSelectedSlideStartsAtTheFocusedSlideEvenWithNoneSelected) {
  Open({Quick(0), Quick(0), Quick(0)});
  ClickCell(2);
  ClickCell(2, Qt::ControlModifier);
  ASSERT_TRUE(Selected().empty());
  RunWatched([&] { Action("RunFromSelectedSlide1")->trigger(); });
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(shown, (std::set<int>{2}));
}

// "Shuffle" in the Run menu, through the real window and show: a checkable, undoable show
// setting; the looping show then plays every slide once a loop, the first loop in another
// order than the show's and each later one in another order than the loop before.
TEST_F(RunCommandsTest, ShufflePlaysEverySlideOnceALoopInANewOrderEachLoop) {
  Open({Quick(0x0000FF), Quick(0x00FF00), Quick(0xFF0000), Quick(0xFFFFFF), Quick(0)}, "loop.sho",
       true);
  QAction* shuffle = Action("Shuffle1");
  ASSERT_TRUE(shuffle->isCheckable());
  EXPECT_FALSE(shuffle->isChecked());
  shuffle->trigger();
  EXPECT_TRUE(shuffle->isChecked());
  EXPECT_TRUE(Doc().Shuffle());
  Action("Undo1")->trigger();
  EXPECT_FALSE(shuffle->isChecked());
  EXPECT_FALSE(Doc().Shuffle());
  Action("Redo1")->trigger();
  ASSERT_TRUE(Doc().Shuffle());

  RunWatched([&] { Action("RunFromStart1")->trigger(); }, 1500);
  ASSERT_TRUE(timedOut);
  const size_t loops = played.size() / 5;
  ASSERT_GE(loops, 3u) << "slides shown: " << played.size();
  std::vector<std::vector<int>> orders;
  for (size_t loop = 0; loop < loops; ++loop) {
    orders.emplace_back(played.begin() + static_cast<long>(loop * 5),
                        played.begin() + static_cast<long>(loop * 5 + 5));
    std::vector<int> sorted = orders.back();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4})) << "loop " << loop;
    if (loop > 0) {
      EXPECT_NE(orders[loop], orders[loop - 1]) << "loop " << loop;
    }
  }
  EXPECT_NE(orders[0], (std::vector<int>{0, 1, 2, 3, 4}));
}

}  // namespace
}  // namespace lrw
