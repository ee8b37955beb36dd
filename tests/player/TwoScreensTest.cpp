// The show with two screens (Qt's offscreen platform given a laptop screen and a projector
// of twice the pixel density): "Run the Show" through the real designer fills the screen
// the designer is not on, at that screen's device pixels, while the designer stays usable
// and follows the show, and the presenter's window beside it shows what comes next and
// moves the show on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "designer/DesignerFixture.h"
#include "player/PresenterWindow.h"
#include "player/SlidePrepForm.h"
#include "support/SlideBuilder.h"

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
  return test::SlideBuilder(test::BlankSlide(background))
      .Duration(DurationMode::EnterPressed, 5)
      .Build();
}

class TwoScreens : public test::DesignerFixture {
 protected:
  static void TearDownTestSuite() { fs::remove_all(kDir); }
};

TEST_F(TwoScreens, ShowFillsTheOtherScreenWhileTheDesignerAndThePresenterFollowIt) {
  ASSERT_TRUE(kTwoScreens);
  ASSERT_EQ(form.screen()->name(), "Laptop");
  form.Windows().SetTransitionPacing(0);
  Open({WaitsForKey(0x0000FF), WaitsForKey(0x00FF00), WaitsForKey(0xFF0000)});
  ClickCell(0);
  std::vector<int> designerCurrent;  // the strip's current slide at each slide
  QTimer::singleShot(0, [&] {
    SlidePrepForm* player = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* p = qobject_cast<SlidePrepForm*>(w); p && p->isVisible()) player = p;
    }
    if (!player || !player->Presenter()) {
      ADD_FAILURE() << "no show, or no presenter's window beside it";
      if (player) player->close();
      return;
    }
    auto waitSlide = [&](int index) {
      QElapsedTimer t;
      t.start();
      while ((player->Runner().CurrentIndex() != index || !player->Runner().SlideReady()) &&
             t.elapsed() < 3000) {
        QTest::qWait(5);
      }
      designerCurrent.push_back(form.Editor().CurrentIndex());
    };
    waitSlide(0);
    EXPECT_EQ(player->screen()->name(), "Projector");
    EXPECT_EQ(player->geometry(), QRect(1024, 0, 800, 600));
    EXPECT_EQ(player->SlideBitmap().size(), QSize(1600, 1200)) << "at the device pixels";
    EXPECT_TRUE(form.isEnabled());
    QTest::keyClick(player, Qt::Key_PageDown);
    waitSlide(1);
    const PresenterWindow& presenter = *player->Presenter();
    EXPECT_EQ(presenter.screen()->name(), "Laptop");
    EXPECT_EQ(presenter.findChild<QLabel*>("Number")->text(), "Slide 2 of 3");
    const QImage next = presenter.findChild<QLabel*>("Next")->pixmap().toImage();
    EXPECT_EQ(next.pixel(next.width() / 2, next.height() / 2), 0xFF0000FFu) << "blue next";
    QTest::mouseClick(presenter.findChild<QPushButton*>("ForwardButton"), Qt::LeftButton);
    waitSlide(2);
    QTest::keyClick(player, Qt::Key_Escape);
  });
  Action("RunFromStart1")->trigger();
  EXPECT_EQ(designerCurrent, (std::vector<int>{0, 1, 2}));
}

}  // namespace
}  // namespace lrw
