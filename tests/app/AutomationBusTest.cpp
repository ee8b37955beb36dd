// The automation server on a private session bus of its own: calls by name and by
// dispatch id, the signals to the controller, the count of clients and the end of a
// program started for automation.
#include "app/AutomationServer.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "app/ServiceFile.h"
#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {
namespace {

// Takes the server's ControllerMessage signals off the bus.
class SignalCatcher : public QObject {
  Q_OBJECT
 public:
  std::vector<std::pair<uint, uint>> received;
 public slots:
  void Take(uint controller, uint message) { received.emplace_back(controller, message); }
};

class AutomationBusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is missing (scripts/install-deps)";
    bus_.start(daemon, {"--session", "--nofork", "--nopidfile", "--print-address"});
    ASSERT_TRUE(bus_.waitForStarted(5000));
    for (int i = 0; i < 100 && !bus_.canReadLine(); ++i) bus_.waitForReadyRead(100);
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    ASSERT_FALSE(address_.isEmpty());
    form_ = std::make_unique<TSlideshowDesignForm>(fakes_.services());
  }
  void TearDown() override {
    server_.reset();
    form_.reset();
    for (const char* name : {"lrw-server", "lrw-server-2", "lrw-client"}) {
      QDBusConnection::disconnectFromBus(name);
    }
    if (bus_.state() != QProcess::NotRunning) {
      bus_.terminate();
      bus_.waitForFinished(5000);
    }
  }

  void StartServer(int idleMs = 10000) {
    server_ = std::make_unique<AutomationServer>(true, idleMs);
    ASSERT_TRUE(server_->Register(QDBusConnection::connectToBus(address_, "lrw-server")));
  }
  QDBusConnection Client() { return QDBusConnection::connectToBus(address_, "lrw-client"); }

  // Calls a method of the server from the client connection, serving the server
  // meanwhile (both live on this thread).
  QDBusMessage Call(const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(kAutomationServiceName, kAutomationObjectPath,
                                                    kAutomationServiceName, method);
    m.setArguments(args);
    QDBusPendingCall pending = Client().asyncCall(m, 5000);
    for (int i = 0; i < 500 && !pending.isFinished(); ++i) QTest::qWait(10);
    return pending.reply();
  }

  QProcess bus_;
  QString address_;
  test::FakeServices fakes_;
  std::unique_ptr<TSlideshowDesignForm> form_;
  std::unique_ptr<AutomationServer> server_;
};

TEST_F(AutomationBusTest, CallsByNameAndByDispatchId) {
  StartServer();
  // A window handle is a 32-bit integer; controllers send it signed or unsigned.
  const struct {
    QVariant handle;
    uint stored;
  } handles[] = {
      {QVariant(uint(99)), 99u}, {QVariant(int(4242)), 4242u}, {QVariant(-2), 0xFFFFFFFEu}};
  for (const auto& h : handles) {
    const QDBusMessage r = Call("IdentifyController", {h.handle});
    EXPECT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();
    EXPECT_EQ(form_->ControllerWindow, h.stored);
  }

  const QVariant seven = QVariant::fromValue(QDBusVariant(QVariant(int(7))));
  const QDBusMessage r = Call("Invoke", {QVariant(5), QVariant(QVariantList{seven})});
  EXPECT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();
  EXPECT_EQ(form_->ControllerWindow, 7u);
  EXPECT_EQ(Call("Invoke", {QVariant(5), QVariant(QVariantList{QVariant(uint(8))})}).type(),
            QDBusMessage::ReplyMessage);
  EXPECT_EQ(form_->ControllerWindow, 8u);

  const QDBusMessage unknown = Call("Invoke", {QVariant(9), QVariant(QVariantList{})});
  EXPECT_EQ(unknown.type(), QDBusMessage::ErrorMessage);
  EXPECT_EQ(unknown.errorName(), "org.freedesktop.DBus.Error.UnknownMethod");
  const QDBusMessage wrong = Call("Invoke", {QVariant(5), QVariant(QVariantList{})});
  EXPECT_EQ(wrong.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");

  const QDBusMessage id = Call("GetDispatchId", {QVariant(QStringLiteral("closeserver"))});
  ASSERT_EQ(id.arguments().size(), 1);
  EXPECT_EQ(id.arguments()[0].toInt(), 4);

  EXPECT_EQ(Call("ShowDesignForm").type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(AutomationBusTest, IntrospectionNamesEveryMethodAndTheSignal) {
  StartServer();
  QDBusMessage m = QDBusMessage::createMethodCall(kAutomationServiceName, kAutomationObjectPath,
                                                  "org.freedesktop.DBus.Introspectable",
                                                  "Introspect");
  QDBusPendingCall pending = Client().asyncCall(m, 5000);
  for (int i = 0; i < 500 && !pending.isFinished(); ++i) QTest::qWait(10);
  const QDBusMessage reply = pending.reply();
  ASSERT_EQ(reply.arguments().size(), 1);
  const QString xml = reply.arguments()[0].toString();
  EXPECT_TRUE(xml.contains("<interface name=\"Quorvel.SlideShowOLE\">"));
  for (const AutomationMethod& method : kAutomationMethods) {
    const QString name = QString::fromLatin1(method.name.data(), method.name.size());
    EXPECT_TRUE(xml.contains("<method name=\"" + name + "\"")) << name.toStdString();
  }
  EXPECT_TRUE(xml.contains("<signal name=\"ControllerMessage\">"));
}

TEST_F(AutomationBusTest, TheControllerHearsOfTheClose) {
  StartServer();
  SignalCatcher catcher;
  ASSERT_TRUE(Client().connect(QString(), kAutomationObjectPath, kAutomationServiceName,
                               "ControllerMessage", &catcher, SLOT(Take(uint, uint))));
  Call("IdentifyController", {QVariant(uint(42))});
  form_->close();
  for (int i = 0; i < 300 && catcher.received.empty(); ++i) QTest::qWait(10);
  ASSERT_EQ(catcher.received.size(), 1u);
  EXPECT_EQ(catcher.received[0], std::make_pair(42u, 1026u));
}

TEST_F(AutomationBusTest, TheProgramEndsWhenItsLastClientHasGone) {
  StartServer(200);
  QSignalSpy ended(server_.get(), &AutomationServer::AutomationEnded);
  EXPECT_TRUE(server_->IdleTimerActive());  // started for automation, no client yet

  Call("IdentifyController", {QVariant(uint(1))});
  EXPECT_EQ(server_->Clients().Count(), 1u);
  EXPECT_FALSE(server_->IdleTimerActive());
  Call("IdentifyController", {QVariant(uint(2))});  // the same client again
  EXPECT_EQ(server_->Clients().Count(), 1u);
  QTest::qWait(400);
  EXPECT_EQ(ended.size(), 0);

  QDBusConnection::disconnectFromBus("lrw-client");
  for (int i = 0; i < 300 && server_->Clients().Count() > 0; ++i) QTest::qWait(10);
  EXPECT_EQ(server_->Clients().Count(), 0u);
  ASSERT_TRUE(ended.wait(3000));
  EXPECT_EQ(ended.size(), 1);
}

TEST_F(AutomationBusTest, ASecondServerFindsTheNameTaken) {
  StartServer();
  AutomationServer second(false);
  EXPECT_FALSE(second.Register(QDBusConnection::connectToBus(address_, "lrw-server-2")));
  EXPECT_FALSE(second.Registered());
  AutomationServer nowhere(false);
  EXPECT_FALSE(
      nowhere.Register(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "lrw-nowhere")));
  QDBusConnection::disconnectFromBus("lrw-nowhere");
}

}  // namespace
}  // namespace lrw

#include "AutomationBusTest.moc"
