#include "platform/ShowScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <memory>

namespace lrw {

namespace {

constexpr const char* kPlayOnKey = "show/playOn";

// ~/.config/lanternreelworks/lanternreelworks.ini
std::unique_ptr<QSettings> OpenSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("lanternreelworks"),
                                     QStringLiteral("lanternreelworks"));
}

}  // namespace

QScreen* ChooseShowScreen(const QWidget* designer) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  const QString remembered = RememberedShowScreen();
  if (!remembered.isEmpty()) {
    for (QScreen* s : screens) {
      if (s->name() == remembered) return s;
    }
  }
  if (designer && designer->isVisible() && screens.size() > 1) {
    const QScreen* own = designer->screen();
    for (QScreen* s : screens) {
      if (s != own) return s;
    }
  }
  return QGuiApplication::primaryScreen();
}

QString RememberedShowScreen() {
  return OpenSettings()->value(kPlayOnKey).toString();
}

void RememberShowScreen(const QString& name) {
  const std::unique_ptr<QSettings> settings = OpenSettings();
  settings->setValue(kPlayOnKey, name);
  settings->sync();
  if (settings->status() != QSettings::NoError) {
    qWarning("The screen to play on cannot be remembered in %s", qPrintable(settings->fileName()));
  }
}

}  // namespace lrw
