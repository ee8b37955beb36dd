// Acting inside a modal dialog that a handler under test opens with exec().
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

namespace lrw::test {

// Runs `act` on the first modal dialog of type T that comes up, from inside its own
// event loop. The dialog may take long to come up on a loaded machine: a dialog that
// came up after the driver gave up would wait for input for ever. A dialog that never
// comes up fails the test after 30 seconds.
template <typename T>
void WhenModal(std::function<void(T&)> act) {
  // Owned by the application too, so that a timer whose deleteLater came in a dialog's
  // last event loop is not left behind when the test ends.
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  auto waiting = std::make_shared<QElapsedTimer>();
  auto shown = std::make_shared<QElapsedTimer>();
  waiting->start();
  QObject::connect(timer, &QTimer::timeout, [timer, act, waiting, shown] {
    T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialog && waiting->elapsed() < 30000) return;
    // Keys reach the dialog's shortcuts (F1, for one) only once it is the active window,
    // which a loaded machine or a sanitizer build can take a moment to report, and which
    // a compositor may never grant.
    if (dialog && !shown->isValid()) shown->start();
    if (dialog && !dialog->isActiveWindow() && shown->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    if (dialog) act(*dialog);
  });
  timer->start();
}

}  // namespace lrw::test
