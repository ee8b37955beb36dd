#include "app/SlideShowOLE.h"

#include "document/Paths.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPointer>
#include <QTimer>
#include <limits>

namespace lrw {
namespace {

// Brackets the work for one call, so that the program does not end under it.
class CallScope {
 public:
  explicit CallScope(SlideShowOLE& server) : server_(server) { emit server_.CallStarted(); }
  ~CallScope() { emit server_.CallFinished(); }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  SlideShowOLE& server_;
};

// Ends the work of a call that was answered before its work began.
class FinishesCall {
 public:
  explicit FinishesCall(SlideShowOLE& server) : server_(server) {}
  ~FinishesCall() { emit server_.CallFinished(); }
  FinishesCall(const FinishesCall&) = delete;
  FinishesCall& operator=(const FinishesCall&) = delete;

 private:
  SlideShowOLE& server_;
};

// A window handle given to Invoke: any integer that fits in 32 bits, signed or not.
bool ToHandle(const QVariant& v, uint& handle) {
  bool ok = false;
  switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::LongLong: {
      const qlonglong n = v.toLongLong(&ok);
      if (!ok || n < std::numeric_limits<qint32>::min() ||
          n > qlonglong(std::numeric_limits<quint32>::max())) {
        return false;
      }
      handle = static_cast<uint>(n);
      return true;
    }
    case QMetaType::ULongLong: {
      const qulonglong n = v.toULongLong(&ok);
      if (!ok || n > std::numeric_limits<quint32>::max()) return false;
      handle = static_cast<uint>(n);
      return true;
    }
    default:
      return false;
  }
}

constexpr const char* kBusyError = "Quorvel.SlideShowOLE.Error.Busy";
constexpr const char* kBusyText =
    "The designer is busy with a show, a message, a dialog or the arrangement stage.";
constexpr const char* kNotAddedError = "Quorvel.SlideShowOLE.Error.NotAdded";
constexpr const char* kNotSavedError = "Quorvel.SlideShowOLE.Error.NotSaved";
constexpr const char* kNotSavedText =
    "The show in the designer has changes that were not saved; it was not replaced.";
constexpr const char* kDamagedText =
    "The show in the designer was read from a damaged file and has changes; saving them "
    "would replace that file, which only the user may agree to. Nothing was saved.";

}  // namespace

SlideShowOLE::SlideShowOLE(QObject* parent) : QObject(parent) {}

void SlideShowOLE::DesignerClosed() {
  target_ = nullptr;
  if (controller_ != 0) emit ControllerMessage(controller_, kDesignerClosedMessage);
}

void SlideShowOLE::Fail(const QString& errorName, const QString& text) {
  emit CallRefused(text);
  if (calledFromDBus()) sendErrorReply(errorName, text);
}

bool SlideShowOLE::BeginCall() {
  if (calledFromDBus()) emit ClientCalled(message().service());
  if (!target_) {
    Fail(QDBusError::errorString(QDBusError::Failed), "The designer window has closed.");
    return false;
  }
  return true;
}

bool SlideShowOLE::RefuseWhenBusy() {
  if (!target_->Busy() && !accepted_) return false;
  Fail(kBusyError, kBusyText);
  return true;
}

void SlideShowOLE::AddSlide(const QString& fileName) {
  if (!BeginCall() || RefuseWhenBusy()) return;
  CallScope scope(*this);
  // A name too long for the system is refused by the import before anything else.
  const Result<void> added = target_->AddSlide(fileName.toStdString());
  if (!added) Fail(kNotAddedError, QString::fromStdString(added.error().message));
}

bool SlideShowOLE::RefuseUnsavedDamage() {
  if (!target_->SaveWouldReplaceDamagedFile()) return false;
  Fail(kNotSavedError, kDamagedText);
  return true;
}

void SlideShowOLE::RunShow(const QString& fileName) {
  if (!BeginCall() || RefuseWhenBusy()) return;
  const std::string path = fileName.toStdString();
  if (path.empty() || !IsRegularFile(path)) {
    CallScope scope(*this);  // runs nothing and sends nothing
    return;
  }
  if (RefuseUnsavedDamage()) return;
  // Answered now (the reply goes out when this returns); the question and the show
  // follow from the event loop, and until the question is up other calls are Busy.
  accepted_ = true;
  emit CallStarted();
  QTimer::singleShot(0, this, [this, fileName] { RunAcceptedShow(fileName); });
}

void SlideShowOLE::RunAcceptedShow(const QString& fileName) {
  // Something modal may have opened between the reply and now; the show waits for it.
  if (target_ && target_->Busy()) {
    QTimer::singleShot(100, this, [this, fileName] { RunAcceptedShow(fileName); });
    return;
  }
  accepted_ = false;
  FinishesCall finished(*this);
  if (!target_) return;
  if (!target_->ReleaseShow()) {
    emit CallRefused(QString::fromLatin1(kNotSavedText));
    emit NotSaved(fileName, QString::fromLatin1(kNotSavedText));
    return;
  }
  QPointer<SlideShowOLE> self(this);
  if (!target_ || !target_->RunShowFile(fileName.toStdString()) || !self) return;
  if (controller_ != 0) emit ControllerMessage(controller_, kShowFinishedMessage);
  // Closed like a close by hand: the save prompt, message 1026, the end of the program.
  if (target_) target_->CloseDesigner();
}

void SlideShowOLE::ShowDesignForm() {
  if (!BeginCall()) return;
  CallScope scope(*this);
  target_->ShowDesignForm();
}

void SlideShowOLE::CloseServer() {
  if (!BeginCall() || RefuseWhenBusy() || RefuseUnsavedDamage()) return;
  accepted_ = true;
  emit CallStarted();
  QTimer::singleShot(0, this, [this] { AskToSaveAccepted(); });
}

void SlideShowOLE::AskToSaveAccepted() {
  if (target_ && target_->Busy()) {
    QTimer::singleShot(100, this, [this] { AskToSaveAccepted(); });
    return;
  }
  accepted_ = false;
  FinishesCall finished(*this);
  if (target_) target_->CloseServer();
}

void SlideShowOLE::IdentifyController(uint handle) {
  if (!BeginCall()) return;
  controller_ = handle;
}

void SlideShowOLE::Invoke(int dispId, const QVariantList& wrapped) {
  // Arguments may come as variants inside variants; only the innermost value counts.
  QVariantList args;
  for (QVariant v : wrapped) {
    while (v.metaType() == QMetaType::fromType<QDBusVariant>())
      v = v.value<QDBusVariant>().variant();
    args.append(v);
  }
  const AutomationMethod* method = FindAutomationMethod(dispId);
  if (!method) {
    Fail(QDBusError::errorString(QDBusError::UnknownMethod),
         QStringLiteral("No method has the dispatch id %1.").arg(dispId));
    return;
  }
  const QString name = QString::fromLatin1(method->name.data(), method->name.size());
  const int wanted = method->parameter == AutomationParameter::None ? 0 : 1;
  if (args.size() != wanted) {
    Fail(QDBusError::errorString(QDBusError::InvalidArgs),
         QStringLiteral("%1 takes %2 argument(s), not %3.").arg(name).arg(wanted).arg(args.size()));
    return;
  }
  switch (method->parameter) {
    case AutomationParameter::None:
      QMetaObject::invokeMethod(this, name.toLatin1().constData(), Qt::DirectConnection);
      return;
    case AutomationParameter::Text:
      if (args[0].metaType().id() != QMetaType::QString) break;
      QMetaObject::invokeMethod(this, name.toLatin1().constData(), Qt::DirectConnection,
                                Q_ARG(QString, args[0].toString()));
      return;
    case AutomationParameter::Handle: {
      uint handle = 0;
      if (!ToHandle(args[0], handle)) break;
      QMetaObject::invokeMethod(this, name.toLatin1().constData(), Qt::DirectConnection,
                                Q_ARG(uint, handle));
      return;
    }
  }
  Fail(QDBusError::errorString(QDBusError::InvalidArgs),
       QStringLiteral("%1 was given an argument of the wrong type.").arg(name));
}

int SlideShowOLE::GetDispatchId(const QString& name) {
  const AutomationMethod* method = FindAutomationMethod(name.toStdString());
  if (!method) {
    Fail(QDBusError::errorString(QDBusError::UnknownMethod),
         QStringLiteral("No method is named %1.").arg(name));
    return -1;
  }
  return method->dispId;
}

}  // namespace lrw
