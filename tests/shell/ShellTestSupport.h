// The QApplication the window tests need, and saving what they look like.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace lrw::test {

// The application is made by the shared test environment (tests/support).
inline void EnsureApplication() {
  ASSERT_NE(QApplication::instance(), nullptr);
}

// With LRW_SCREENSHOT_DIR set, keeps a picture of `w` there for people to look at.
inline void KeepScreenshot(QWidget& w, const QString& name) {
  const QString dir = qEnvironmentVariable("LRW_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  w.grab().save(dir + "/" + name + ".png");
}

}  // namespace lrw::test
