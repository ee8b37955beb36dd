// The show with two screens (Qt's offscreen platform given a laptop screen and a projector
// of twice the pixel density): "Run the Show" through the real designer fills the screen
// the designer is not on, at that screen's device pixels, while the designer stays usable
// and follows the show, and the presenter's window there shows what comes next and moves
// the show on; "Play on" picks the other screen and is remembered.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "designer/DesignerFixture.h"
#include "platform/ShowScreen.h"
#include "player/PresenterWindow.h"
#include "player/SlidePrepForm.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::temp_directory_path() / ("lrw_two_screens_" + std::to_string(::getpid()));

// Set before the shared test environment makes the application.
const bool kTwoScreens = [] {
  fs::create_directories(kDir / "config");
  std::ofstream(kDir / "screens.json") << R"({"screens": [
    {"name": "Laptop", "x": 0, "y": 0, "width": 1024, "height": 768, "dpr": 1},
    {"name": "Projector", "x": 1024, "y": 0, "width": 800, "height": 600, "dpr": 2}]})";
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((kDir / "config").string()));
  return qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString("offscreen:configfile=" +
                                                              (kDir / "screens.json").string()));
}();

SlideRecord WaitsForKey(uint32_t background) {
  SlideRecord s = test::BlankSlide(background);
  s.DurationMode = EnterPressed;
  return s;
}

class TwoScreens : public test::DesignerFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kTwoScreens);
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    DesignerFixture::SetUp();
    form.Windows().TransitionPacing = 0;
    ASSERT_EQ(form.screen()->name(), "Laptop");
  }
  static void TearDownTestSuite() { fs::remove_all(kDir); }

  struct Seen {
    QString screen;
    QRect geometry;
    QSize bitmap;
    bool designerEnabled = false;
    std::vector<int> designerCurrent;  // the strip's current slide after each step
    QString presenterScreen;
    QString presenterNumber;
    QRgb presenterNext = 0;  // the middle of its next slide
  };
  // Runs the show from the Run menu, steps forward twice with the real window's keys, ends it.
  Seen RunAndStep() {
    Seen seen;
    TSlidePrepForm* player = nullptr;
    auto waitSlide = [&](int index) {
      QElapsedTimer t;
      t.start();
      while ((player->Runner().CurrentIndex != index || !player->Runner().SlideReady) &&
             t.elapsed() < 3000) {
        QTest::qWait(5);
      }
      seen.designerCurrent.push_back(form.Editor().CurrentIndex());
    };
    QTimer::singleShot(0, [&] {
      QElapsedTimer t;
      t.start();
      while (!player && t.elapsed() < 3000) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
          if (auto* p = qobject_cast<TSlidePrepForm*>(w); p && p->isVisible()) player = p;
        }
        QTest::qWait(5);
      }
      if (!player) return;
      waitSlide(0);
      seen.screen = player->screen()->name();
      seen.geometry = player->geometry();
      seen.bitmap = player->SlideBitmap().size();
      seen.designerEnabled = form.isEnabled();
      QTest::keyClick(player, Qt::Key_PageDown);
      waitSlide(1);
      if (PresenterWindow* presenter = player->Presenter()) {
        seen.presenterScreen = presenter->screen()->name();
        seen.presenterNumber = presenter->Number->text();
        const QImage next = presenter->Next->pixmap().toImage();
        seen.presenterNext = next.pixel(next.width() / 2, next.height() / 2);
        QTest::mouseClick(presenter->ForwardButton, Qt::LeftButton);
      } else {
        QTest::keyClick(player, Qt::Key_Space);
      }
      waitSlide(2);
      QTest::keyClick(player, Qt::Key_Escape);
    });
    Action("RunFromStart1")->trigger();
    return seen;
  }
};

TEST_F(TwoScreens, ShowFillsTheOtherScreenThenTheOneChosenInPlayOn) {
  Open({WaitsForKey(0x0000FF), WaitsForKey(0x00FF00), WaitsForKey(0xFF0000)});
  ClickCell(0);

  const Seen beside = RunAndStep();
  EXPECT_EQ(beside.screen, "Projector");
  EXPECT_EQ(beside.geometry, QRect(1024, 0, 800, 600));
  EXPECT_EQ(beside.bitmap, QSize(1600, 1200)) << "composed at the projector's device pixels";
  EXPECT_TRUE(beside.designerEnabled);
  EXPECT_EQ(beside.designerCurrent, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(beside.presenterScreen, "Laptop");
  EXPECT_EQ(beside.presenterNumber, "Slide 2 of 3");
  EXPECT_EQ(beside.presenterNext, 0xFF0000FFu) << "the third slide, blue";

  // "Play on" lists both screens, the projector ticked; choosing the laptop remembers it.
  auto* playOn = W<QMenu>("PlayOn1");
  ASSERT_NE(playOn, nullptr);
  EXPECT_TRUE(playOn->menuAction()->isVisible());
  emit playOn->aboutToShow();
  ASSERT_EQ(playOn->actions().size(), 2);
  EXPECT_TRUE(playOn->actions()[1]->isChecked());
  playOn->actions()[0]->trigger();
  EXPECT_EQ(RememberedShowScreen(), "Laptop");

  ClickCell(0);
  const Seen over = RunAndStep();
  EXPECT_EQ(over.screen, "Laptop");
  EXPECT_EQ(over.bitmap, QSize(1024, 768));
  EXPECT_FALSE(over.designerEnabled) << "under the show, the designer takes no input";
  EXPECT_EQ(over.presenterScreen, "Projector");
  EXPECT_EQ(over.designerCurrent, (std::vector<int>{0, 0, 0})) << "nor follows it";
}

}  // namespace
}  // namespace lrw
