#include "shell/SplashForm.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <functional>

#include "ShellTestSupport.h"

namespace lrw {
namespace {

class FakeTimer : public IntervalTimer {
 public:
  void SetInterval(int ms) override { interval = ms; }
  void SetEnabled(bool on) override { enabled = on; }
  bool Enabled() const override { return enabled; }
  int Interval() const override { return interval; }
  void Fire() {
    if (enabled) IntervalTimer::Fire();
  }
  int interval = 7000;
  bool enabled = false;
};

// A splash whose timer and "process pending messages" step the test controls.
struct SplashUnderTest {
  explicit SplashUnderTest(std::function<void(SplashForm&)> whileShowing = nullptr) {
    auto t = std::make_unique<FakeTimer>();
    timer = t.get();
    form = std::make_unique<SplashForm>(std::move(t), [this, whileShowing] {
      if (whileShowing) whileShowing(*form);
    });
  }
  // Shows the splash as start-up does and lets posted requests run.
  void Show() {
    form->show();
    QCoreApplication::processEvents();
  }
  bool Closed() const { return !form->isVisible() && form->result() == QDialog::Accepted; }

  FakeTimer* timer = nullptr;
  std::unique_ptr<SplashForm> form;
};

class SplashTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureApplication(); }
};

TEST_F(SplashTest, ShowsVersionAndStatusAndArmsFiveSecondTimer) {
  SplashUnderTest s;
  s.Show();
  EXPECT_EQ(s.form->findChild<QLabel*>("lblCurrent_Release")->text(), "v4.0");
  EXPECT_EQ(s.form->findChild<QLabel*>("lblWorking")->text(), "Initializing...");
  EXPECT_EQ(s.form->windowTitle(), "Velmorra");
  EXPECT_TRUE(s.form->Ready());
  EXPECT_FALSE(s.form->Fired());
  EXPECT_TRUE(s.timer->enabled);
  EXPECT_EQ(s.timer->interval, 5000);
  EXPECT_TRUE(s.form->isVisible());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

  s.timer->Fire();
  QCoreApplication::processEvents();
  EXPECT_TRUE(s.Closed());
  EXPECT_FALSE(s.timer->enabled);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SplashTest, PanelClickWhileShowingIsRememberedAndClosesOnceShown) {
  bool readyDuringClick = true;
  SplashUnderTest s([&](SplashForm& f) {
    readyDuringClick = f.Ready();
    QTest::mouseClick(f.findChild<QFrame*>("Panel2"), Qt::LeftButton);
  });
  s.Show();
  EXPECT_FALSE(readyDuringClick);
  EXPECT_TRUE(s.form->Fired());
  EXPECT_TRUE(s.Closed());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SplashTest, FormPressSpaceAndLogoWhileShowingAreIgnored) {
  SplashUnderTest s([](SplashForm& f) {
    QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::keyClick(&f, Qt::Key_Space);
    QTest::mouseClick(f.findChild<QLabel*>("Image1"), Qt::LeftButton);
  });
  s.Show();
  EXPECT_FALSE(s.form->Fired());
  EXPECT_TRUE(s.form->isVisible());
  EXPECT_TRUE(s.timer->enabled);
  s.form->done(QDialog::Rejected);
  s.form.reset();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SplashTest, AfterShowingWhatClosesAndWhatDoesNot) {
  struct Case {
    const char* what;
    std::function<void(SplashForm&)> act;
    bool closes;
  };
  const Case cases[] = {
      {"click Panel1",
       [](SplashForm& f) { QTest::mouseClick(f.findChild<QFrame*>("Panel1"), Qt::LeftButton); },
       true},
      {"click Panel2",
       [](SplashForm& f) { QTest::mouseClick(f.findChild<QFrame*>("Panel2"), Qt::LeftButton); },
       true},
      {"click version",
       [](SplashForm& f) {
         QTest::mouseClick(f.findChild<QLabel*>("lblCurrent_Release"), Qt::LeftButton);
       },
       true},
      {"press on form",
       [](SplashForm& f) { QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(1, 1)); }, true},
      {"Space", [](SplashForm& f) { QTest::keyClick(&f, Qt::Key_Space); }, true},
      {"click logo",
       [](SplashForm& f) { QTest::mouseClick(f.findChild<QLabel*>("Image1"), Qt::LeftButton); },
       false},
      {"click status",
       [](SplashForm& f) { QTest::mouseClick(f.findChild<QLabel*>("lblWorking"), Qt::LeftButton); },
       false},
      {"Esc", [](SplashForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }, false},
      {"Enter", [](SplashForm& f) { QTest::keyClick(&f, Qt::Key_Return); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SplashUnderTest s;
    s.Show();
    c.act(*s.form);
    QCoreApplication::processEvents();
    EXPECT_EQ(!s.form->isVisible(), c.closes);
    EXPECT_EQ(s.form->Fired(), c.closes);
  }
}

TEST_F(SplashTest, LooksLikeTheLogoInAThinBorder) {
  SplashUnderTest s;
  s.Show();
  EXPECT_EQ(s.form->size(), QSize(SplashForm::kClientWidth + 2, SplashForm::kClientHeight + 2));
  EXPECT_EQ(s.form->findChild<QLabel*>("Image1")->size(), QSize(310, 134));
  ASSERT_FALSE(s.form->findChild<QLabel*>("Image1")->pixmap().isNull())
      << "the logo resource is missing";
  EXPECT_EQ(s.form->findChild<QLabel*>("Image1")->pixmap().size(), QSize(310, 134));
  const QImage shot = s.form->grab().toImage();
  EXPECT_LT(qGray(shot.pixel(0, 0)), 128);  // the border
  // The reel in the logo is dark; the panel around it is white.
  const QPoint logo = s.form->findChild<QLabel*>("Image1")->mapTo(s.form.get(), QPoint(62, 67));
  EXPECT_LT(qGray(shot.pixel(logo + QPoint(0, 30))), 100);
  test::KeepScreenshot(*s.form, "splash");
}

}  // namespace
}  // namespace lrw
