// The automation server on a private session bus of its own: calls by name and by
// dispatch id, the signals to the controller, the count of clients and the end of a
// program started for automation.
#include "app/AutomationServer.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/ServiceFile.h"
#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/FileCommands.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"
#include "player/SlidePrepForm.h"

namespace lrw {
namespace {

// Takes the server's ControllerMessage signals off the bus.
class SignalCatcher : public QObject {
  Q_OBJECT
 public:
  std::vector<std::pair<uint, uint>> received;
  QStringList notSaved;
 public slots:
  void Take(uint controller, uint message) { received.emplace_back(controller, message); }
  void TakeNotSaved(const QString& file, const QString&) { notSaved << file; }
};

// Prompts that can do something while a message is up.
class WatchedPrompts : public test::FakePrompts {
 public:
  std::function<void()> whileAsked;
  PromptAnswer Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                   PromptButtons buttons, PromptAnswer defaultButton) override {
    if (whileAsked) whileAsked();
    return FakePrompts::Ask(text, caption, icon, buttons, defaultButton);
  }
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
    form_ = std::make_unique<SlideshowDesignForm>(
        DesignerServices{prompts_, dialogs_, QSize(1024, 768)});
    form_->Windows().SetTransitionPacing(0);
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

  // The server with the designer as its target, and a client that hears its signals.
  void StartServer(int idleMs = 10000) {
    server_ = std::make_unique<AutomationServer>(true, idleMs);
    server_->Object().SetTarget(&form_->Automation());
    QObject::connect(form_.get(), &SlideshowDesignForm::FormClosed, &server_->Object(),
                     &SlideShowOLE::DesignerClosed);
    ASSERT_TRUE(server_->Register(QDBusConnection::connectToBus(address_, "lrw-server")));
    ASSERT_TRUE(Client().connect(QString(), kAutomationObjectPath, kAutomationServiceName,
                                 "ControllerMessage", &catcher_, SLOT(Take(uint, uint))));
  }
  QDBusConnection Client() { return QDBusConnection::connectToBus(address_, "lrw-client"); }

  // Calls a method of the server from the client connection, serving the server
  // meanwhile (both live on this thread).
  QDBusMessage Call(const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(kAutomationServiceName, kAutomationObjectPath,
                                                    kAutomationServiceName, method);
    m.setArguments(args);
    QDBusPendingCall pending = Client().asyncCall(m, 5000);
    pending_ = &pending;
    for (int i = 0; i < 500 && !pending.isFinished(); ++i) QTest::qWait(10);
    pending_ = nullptr;
    return pending.reply();
  }
  QString Picture() {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    EXPECT_TRUE(picture.save(dir_.filePath("p.bmp"), "BMP"));
    return dir_.filePath("p.bmp");
  }
  // A show of two blank slides that wait for Enter or go at once.
  QString Show(bool waitForEnter) {
    SlideRecord s = test::BlankSlide(0);
    s.DurationMode = waitForEnter ? DurationMode::EnterPressed : DurationMode::TimeElapsed;
    s.ExtraSeconds = 0;
    EXPECT_TRUE(test::WriteShow(dir_.filePath("show.sho").toStdString(), {s, s}));
    return dir_.filePath("show.sho");
  }
  bool Heard(std::vector<std::pair<uint, uint>> expected) {
    // The comparison below tells what was missing after the wait.
    (void)QTest::qWaitFor([&] { return catcher_.received.size() >= expected.size(); }, 5000);
    return catcher_.received == expected;
  }

  QProcess bus_;
  QString address_;
  QTemporaryDir dir_;
  WatchedPrompts prompts_;
  test::FakeDialogs dialogs_;
  std::unique_ptr<SlideshowDesignForm> form_;
  std::unique_ptr<AutomationServer> server_;
  SignalCatcher catcher_;
  QDBusPendingCall* pending_ = nullptr;  // the call under way
};

TEST_F(AutomationBusTest, CallsByNameAndByDispatchId) {
  StartServer();
  EXPECT_EQ(Call("IdentifyController", {QVariant(uint(99))}).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(server_->Object().Controller(), 99u);
  // By dispatch id a window handle may come as any integer type, signed or not.
  const struct {
    QVariant handle;
    uint stored;
  } handles[] = {{QVariant(int(4242)), 4242u},
                 {QVariant(-2), 0xFFFFFFFEu},
                 {QVariant(uint(8)), 8u},
                 {QVariant::fromValue(QDBusVariant(QVariant(qlonglong(7)))), 7u}};
  for (const auto& h : handles) {
    const QDBusMessage r = Call("Invoke", {QVariant(5), QVariant(QVariantList{h.handle})});
    EXPECT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();
    EXPECT_EQ(server_->Object().Controller(), h.stored);
  }

  const QDBusMessage unknown = Call("Invoke", {QVariant(9), QVariant(QVariantList{})});
  EXPECT_EQ(unknown.type(), QDBusMessage::ErrorMessage);
  EXPECT_EQ(unknown.errorName(), "org.freedesktop.DBus.Error.UnknownMethod");
  for (const QVariantList& wrong :
       {QVariantList{}, QVariantList{QVariant(qlonglong(1) << 33)}, QVariantList{QVariant("7")}})
    EXPECT_EQ(Call("Invoke", {QVariant(5), QVariant(wrong)}).errorName(),
              "org.freedesktop.DBus.Error.InvalidArgs");
  EXPECT_EQ(server_->Object().Controller(), 7u);

  const QDBusMessage id = Call("GetDispatchId", {QVariant(QStringLiteral("closeserver"))});
  ASSERT_EQ(id.arguments().size(), 1);
  EXPECT_EQ(id.arguments()[0].toInt(), 4);

  EXPECT_EQ(Call("ShowDesignForm").type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(AutomationBusTest, IntrospectionNamesEveryMethodAndTheSignal) {
  StartServer();
  QDBusMessage m =
      QDBusMessage::createMethodCall(kAutomationServiceName, kAutomationObjectPath,
                                     "org.freedesktop.DBus.Introspectable", "Introspect");
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
  // One method per name: a client cannot choose between two.
  EXPECT_EQ(xml.count("<method name=\"IdentifyController\""), 1);
  EXPECT_TRUE(xml.contains(QRegularExpression(
      "<method name=\"IdentifyController\">\\s*<arg name=\"handle\" type=\"u\"")));
}

// A picture that cannot be added is an error reply with the reason. A hidden designer
// shows nothing; one on screen shows the message too, once the caller has its answer.
TEST_F(AutomationBusTest, AFailedAddSlideIsAnErrorReplyAndABoxOnlyOnScreen) {
  StartServer();
  const QString broken = dir_.filePath("broken.bmp");
  std::ofstream(broken.toStdString()) << "not a picture";
  QDBusMessage r = Call("AddSlide", {broken});
  EXPECT_EQ(r.errorName(), "Quorvel.SlideShowOLE.Error.NotAdded");
  EXPECT_TRUE(r.errorMessage().contains(broken)) << r.errorMessage().toStdString();
  // A name longer than any path is refused as it is: the reason shows only its start.
  r = Call("AddSlide", {QString(1 << 20, 'p')});
  EXPECT_EQ(r.errorName(), "Quorvel.SlideShowOLE.Error.NotAdded");
  EXPECT_LT(r.errorMessage().size(), 400);
  QTest::qWait(100);
  EXPECT_TRUE(prompts_.asked.empty());

  form_->show();
  bool answeredFirst = false;
  prompts_.whileAsked = [&] {
    for (int i = 0; i < 200 && pending_ && !pending_->isFinished(); ++i) QTest::qWait(10);
    answeredFirst = !pending_ || pending_->isFinished();
  };
  r = Call("AddSlide", {broken});
  EXPECT_EQ(r.errorName(), "Quorvel.SlideShowOLE.Error.NotAdded");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts_.asked.empty(); }));
  EXPECT_EQ(QString::fromStdString(prompts_.asked[0].text), r.errorMessage());
  EXPECT_TRUE(answeredFirst);
  EXPECT_EQ(form_->Editor().Document().Count(), 0);
}

// No call waits for a person: RunShow on a changed show is answered at once, and the
// save question's outcome follows as the NotSaved signal (Yes, the name dialog
// cancelled) or as the show running (No). While the question is up RunShow is Busy.
TEST_F(AutomationBusTest, RunShowAnswersAtOnceAndTheSaveQuestionsOutcomeFollows) {
  StartServer();
  ASSERT_TRUE(Client().connect(QString(), kAutomationObjectPath, kAutomationServiceName, "NotSaved",
                               &catcher_, SLOT(TakeNotSaved(QString, QString))));
  const QString show = Show(false);
  ASSERT_EQ(Call("AddSlide", {Picture()}).type(), QDBusMessage::ReplyMessage);
  Call("IdentifyController", {QVariant(uint(42))});
  for (const PromptAnswer answer : {PromptAnswer::Yes, PromptAnswer::No}) {
    QStringList seen;  // while the question is up: the first reply, a second call
    prompts_.whileAsked = [&] {
      if (!seen.isEmpty()) return;
      QDBusPendingCall* first = pending_;
      seen << (QTest::qWaitFor([&] { return first->isFinished(); }, 1000) ? "answered" : "waits")
           << Call("RunShow", {show}).errorName();
    };
    prompts_.answers = {answer};
    EXPECT_EQ(Call("RunShow", {show}).type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.isEmpty(); }, 5000));
    EXPECT_EQ(seen, QStringList({"answered", "Quorvel.SlideShowOLE.Error.Busy"}));
    EXPECT_EQ(prompts_.asked.back().text, "Do you want to save your slideshow changes?");
    prompts_.whileAsked = nullptr;
  }
  EXPECT_TRUE(Heard({{42u, 1025u}, {42u, 1026u}})) << "the show ran once, then the designer closed";
  EXPECT_EQ(catcher_.notSaved, QStringList{show});
}

// Changes to a show read from a damaged file are never saved over it from the bus.
TEST_F(AutomationBusTest, ChangesToADamagedShowAreNotSavedOverItFromTheBus) {
  StartServer();
  const QString show = Show(false);
  const std::string damaged = dir_.filePath("damaged.sho").toStdString();
  std::filesystem::copy_file(show.toStdString(), damaged);
  std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) - 3);
  form_->Editor().Execute(LoadShowCommand(damaged));
  ASSERT_EQ(Call("AddSlide", {Picture()}).type(), QDBusMessage::ReplyMessage);
  prompts_.asked.clear();
  EXPECT_EQ(Call("RunShow", {show}).errorName(), "Quorvel.SlideShowOLE.Error.NotSaved");
  EXPECT_EQ(Call("CloseServer").errorName(), "Quorvel.SlideShowOLE.Error.NotSaved");
  QTest::qWait(100);
  EXPECT_TRUE(prompts_.asked.empty());
}

TEST_F(AutomationBusTest, CallsWhileAShowRunsAreRefusedAsBusy) {
  StartServer();
  const QString show = Show(true);
  QStringList errors;
  bool called = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* player = qobject_cast<SlidePrepForm*>(w);
      if (!player || called || !player->Runner().SlideReady()) continue;
      called = true;
      errors << Call("AddSlide", {Picture()}).errorName() << Call("RunShow", {show}).errorName()
             << Call("CloseServer").errorName();
      QTest::keyClick(player, Qt::Key_Escape);
    }
  });
  watch.start(20);
  Call("IdentifyController", {QVariant(uint(7))});
  EXPECT_EQ(Call("RunShow", {show}).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(Heard({{7u, 1025u}, {7u, 1026u}}));
  EXPECT_EQ(errors, QStringList(3, QStringLiteral("Quorvel.SlideShowOLE.Error.Busy")));
  EXPECT_EQ(form_->Editor().Document().Count(), 2) << "the show's slides and nothing else";
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
  const Result<void> taken =
      second.Register(QDBusConnection::connectToBus(address_, "lrw-server-2"));
  ASSERT_FALSE(taken);
  EXPECT_NE(taken.error().message.find("is taken"), std::string::npos) << taken.error().message;
  EXPECT_FALSE(second.Registered());
  AutomationServer nowhere(false);
  EXPECT_FALSE(
      nowhere.Register(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "lrw-nowhere")));
  QDBusConnection::disconnectFromBus("lrw-nowhere");
}

}  // namespace
}  // namespace lrw

#include "AutomationBusTest.moc"
