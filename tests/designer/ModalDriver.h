// Acting inside a modal dialog that a handler under test opens with exec().
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

namespace lrw::test {

// Runs `act` on the first modal dialog of type T that comes up, from inside its own
// event loop. Gives up after about five seconds so that a missing dialog fails the
// test instead of hanging it.
template <typename T>
void WhenModal(std::function<void(T&)> act) {
  // Owned by the application too, so that a timer whose deleteLater came in a dialog's
  // last event loop is not left behind when the test ends.
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, act, ticks] {
    T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    // Keys reach the dialog's shortcuts (F1, for one) only once it is the active window,
    // which a loaded machine or a sanitizer build can take a moment to report.
    if (!(dialog && dialog->isActiveWindow()) && ++*ticks < 1000) return;
    timer->stop();
    timer->deleteLater();
    if (dialog) act(*dialog);
  });
  timer->start();
}

}  // namespace lrw::test
