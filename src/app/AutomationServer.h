// The automation server on the session bus: the name "Quorvel.SlideShowOLE", the
// object "/SlideShowOLE" with the interface "Quorvel.SlideShowOLE", the count of the
// clients using it, and the end of a program that was started for automation once
// nobody uses it any more.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <optional>

#include "app/AutomationClients.h"
#include "app/SlideShowOLE.h"
#include "base/Result.h"

class QDBusServiceWatcher;

namespace lrw {

inline constexpr const char* kAutomationObjectPath = "/SlideShowOLE";

class AutomationServer : public QObject {
  Q_OBJECT

 public:
  // How long a program started for automation waits, with no client and nothing to
  // do, before it ends. Scripts that call the server once per connection (dbus-send)
  // have this long between calls.
  static constexpr int kIdleMilliseconds = 10000;

  explicit AutomationServer(bool startedForAutomation, int idleMilliseconds = kIdleMilliseconds,
                            QObject* parent = nullptr);
  ~AutomationServer() override;

  // Puts the object and the name on `bus` and starts counting clients. Fails, saying
  // why, when there is no bus or the name is taken; the program runs on without the
  // server then.
  Result<void> Register(const QDBusConnection& bus);
  bool Registered() const { return connection_.has_value(); }

  SlideShowOLE& Object() { return object_; }
  const AutomationClients& Clients() const { return clients_; }

  // A client (a bus connection's unique name) called a method / its connection has
  // closed. Called by the object and the bus watcher.
  void ClientCalled(const QString& name);
  void ClientGone(const QString& name);
  bool IdleTimerActive() const { return idle_.isActive(); }

 signals:
  // A program started for automation has no more clients: the designer is closed
  // when it is on screen (with its save prompt), otherwise the program ends.
  void AutomationEnded();

 private:
  void UpdateIdleTimer();
  void IdleTimeout();
  // Sends the controller message as the bus signal ControllerMessage(u, u) and waits
  // until it is out, since the program may end right after it.
  void SendMessage(uint controller, uint message);

  SlideShowOLE object_;
  AutomationClients clients_;
  bool hadClient_ = false;
  QTimer idle_;
  QDBusServiceWatcher* watcher_ = nullptr;
  std::optional<QDBusConnection> connection_;
};

// What ending a program started for automation does: a designer on screen is closed
// as by the user (save prompt, message 1026, end); a hidden one ends the program.
void EndAutomationProgram(AutomationTarget* target);

}  // namespace lrw
