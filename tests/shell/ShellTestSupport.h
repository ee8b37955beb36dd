// The QApplication the window tests need, and saving what they look like.
#pragma once

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace lrw::test {

inline void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_shell";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

// With LRW_SCREENSHOT_DIR set, keeps a picture of `w` there for people to look at.
inline void KeepScreenshot(QWidget& w, const QString& name) {
  const QString dir = qEnvironmentVariable("LRW_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  w.grab().save(dir + "/" + name + ".png");
}

}  // namespace lrw::test
