#include "app/AutomationServer.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

#include "app/ServiceFile.h"

namespace lrw {
namespace {

Unexpected<Error> Unavailable(const QString& reason) {
  return Fail("the automation server is not available: " + reason.toStdString());
}

}  // namespace

AutomationServer::AutomationServer(bool startedForAutomation, int idleMilliseconds, QObject* parent)
    : QObject(parent), clients_(startedForAutomation) {
  idle_.setSingleShot(true);
  idle_.setInterval(idleMilliseconds);
  connect(&idle_, &QTimer::timeout, this, &AutomationServer::IdleTimeout);
  connect(&object_, &SlideShowOLE::ClientCalled, this, &AutomationServer::ClientCalled);
  connect(&object_, &SlideShowOLE::CallStarted, this, [this] {
    clients_.CallStarted();
    UpdateIdleTimer();
  });
  connect(&object_, &SlideShowOLE::CallFinished, this, [this] {
    clients_.CallFinished();
    UpdateIdleTimer();
  });
  connect(this, &AutomationServer::AutomationEnded, this,
          [this] { EndAutomationProgram(object_.Target()); });
  UpdateIdleTimer();
}

AutomationServer::~AutomationServer() {
  if (connection_) {
    connection_->unregisterObject(kAutomationObjectPath);
    connection_->unregisterService(kAutomationServiceName);
  }
}

Result<void> AutomationServer::Register(const QDBusConnection& bus) {
  if (!bus.isConnected()) {
    const QString why = bus.lastError().message();
    return Unavailable(why.isEmpty() ? QStringLiteral("no session bus") : why);
  }
  QDBusConnection c = bus;
  if (!c.registerObject(kAutomationObjectPath, &object_, QDBusConnection::ExportScriptableSlots)) {
    return Unavailable(QStringLiteral("the object %1 is taken").arg(kAutomationObjectPath));
  }
  if (!c.registerService(kAutomationServiceName)) {
    c.unregisterObject(kAutomationObjectPath);
    return Unavailable(QStringLiteral("the name %1 is taken").arg(kAutomationServiceName));
  }
  connection_ = c;
  watcher_ = new QDBusServiceWatcher(this);
  watcher_->setConnection(c);
  watcher_->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
  connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &AutomationServer::ClientGone);
  connect(&object_, &SlideShowOLE::ControllerMessage, this, &AutomationServer::SendMessage);
  connect(&object_, &SlideShowOLE::NotSaved, this, [this](const QString& file, const QString& why) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kAutomationObjectPath, kAutomationServiceName, "NotSaved");
    signal << file << why;
    connection_->send(signal);
  });
  return {};
}

void AutomationServer::ClientCalled(const QString& name) {
  if (name.isEmpty() || !clients_.Add(name.toStdString())) return;
  hadClient_ = true;
  if (watcher_) {
    watcher_->addWatchedService(name);
    // A caller that closed its connection before the watch was in place would never
    // be seen leaving; the bus answers this after it has taken the watch.
    if (connection_ && !connection_->interface()->isServiceRegistered(name).value()) {
      ClientGone(name);
      return;
    }
  }
  UpdateIdleTimer();
}

void AutomationServer::ClientGone(const QString& name) {
  if (watcher_) watcher_->removeWatchedService(name);
  if (clients_.Remove(name.toStdString())) UpdateIdleTimer();
}

void AutomationServer::UpdateIdleTimer() {
  if (clients_.Idle()) {
    if (!idle_.isActive()) idle_.start();
  } else {
    idle_.stop();
  }
}

void AutomationServer::IdleTimeout() {
  if (!clients_.Idle()) return;
  // Started for automation but with the designer on screen before any client came:
  // the user has it, not a controller.
  AutomationTarget* target = object_.Target();
  if (!hadClient_ && target && target->DesignerVisible()) return;
  emit AutomationEnded();
}

void AutomationServer::SendMessage(uint controller, uint message) {
  if (!connection_) return;
  QDBusMessage signal = QDBusMessage::createSignal(kAutomationObjectPath, kAutomationServiceName,
                                                   "ControllerMessage");
  signal << controller << message;
  connection_->send(signal);
  // 1026 comes right before the program ends. Messages leave in the order they were
  // given, so once the bus has answered this the signal is out.
  connection_->call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                   "org.freedesktop.DBus.Peer", "Ping"),
                    QDBus::Block, 2000);
}

void EndAutomationProgram(AutomationTarget* target) {
  if (target && target->DesignerVisible()) {
    // The user may have unsaved work on screen: closing asks, and Cancel keeps the
    // designer open for the user.
    target->CloseDesigner();
    return;
  }
  QCoreApplication::quit();
}

}  // namespace lrw
