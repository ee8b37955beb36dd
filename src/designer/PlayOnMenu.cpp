#include "designer/PlayOnMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>

#include "platform/ShowScreen.h"

namespace lrw {

namespace {

// A screen's name for people: its model when the system knows it, with its size.
QString ScreenLabel(const QScreen* screen) {
  const QString model = screen->model().isEmpty() ? screen->manufacturer() : screen->model();
  const QSize size = screen->size() * screen->devicePixelRatio();
  const QString name = model.isEmpty() || model == screen->name()
                           ? screen->name()
                           : QStringLiteral("%1 (%2)").arg(screen->name(), model);
  return QStringLiteral("%1, %2 x %3").arg(name).arg(size.width()).arg(size.height());
}

void FillPlayOnMenu(QMenu* menu, QWidget* designer) {
  menu->clear();
  auto* group = new QActionGroup(menu);
  const QScreen* chosen = ChooseShowScreen(designer);
  for (QScreen* screen : QGuiApplication::screens()) {
    QAction* a = menu->addAction(ScreenLabel(screen));
    a->setCheckable(true);
    a->setChecked(screen == chosen);
    a->setActionGroup(group);
    const QString name = screen->name();
    QObject::connect(a, &QAction::triggered, menu, [name] { RememberShowScreen(name); });
  }
}

}  // namespace

void AddPlayOnMenu(QMenu* runMenu, QWidget* designer) {
  QMenu* playOn = runMenu->addMenu(QCoreApplication::translate("lrw::DesignerActions", "Play &on"));
  playOn->setObjectName(QStringLiteral("PlayOn1"));
  QPointer<QWidget> owner(designer);
  QObject::connect(playOn, &QMenu::aboutToShow, playOn,
                   [playOn, owner] { FillPlayOnMenu(playOn, owner.data()); });
  // Offered only where there is a choice.
  QObject::connect(runMenu, &QMenu::aboutToShow, playOn, [playOn] {
    playOn->menuAction()->setVisible(QGuiApplication::screens().size() > 1);
  });
  playOn->menuAction()->setVisible(QGuiApplication::screens().size() > 1);
}

}  // namespace lrw
