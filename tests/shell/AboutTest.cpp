#include "shell/AboutForm.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "ShellTestSupport.h"

namespace lrw {
namespace {

class AboutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureApplication(); }
};

TEST_F(AboutTest, TextsFitAndTheOkButtonHasTheFocus) {
  AboutForm about;
  about.show();
  QCoreApplication::processEvents();
  // The second area has no scroll bar: its text must fit.
  EXPECT_EQ(about.findChild<QPlainTextEdit*>("Copyright")->verticalScrollBar()->maximum(), 0);
  // Focus within the box, and keyboard focus once the window is active (a display
  // without a window manager may not activate it by itself).
  EXPECT_EQ(about.focusWidget(), about.findChild<QPushButton*>("OKButton"));
  about.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
  EXPECT_TRUE(about.findChild<QPushButton*>("OKButton")->hasFocus());
  test::KeepScreenshot(about, "about");
}

TEST_F(AboutTest, OkAndEnterCloseTheModalBoxWithOk) {
  for (bool useEnter : {false, true}) {
    SCOPED_TRACE(useEnter ? "Enter" : "OK button");
    AboutForm about;
    QTimer::singleShot(0, &about, [&] {
      if (useEnter) {
        QTest::keyClick(&about, Qt::Key_Return);
      } else {
        QTest::mouseClick(about.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
      }
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
  }
}

}  // namespace
}  // namespace lrw
