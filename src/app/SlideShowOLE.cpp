#include "app/SlideShowOLE.h"

#include <QApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPointer>
#include <QTimer>
#include <filesystem>
#include <limits>

#include "designer/SlideshowDesignForm.h"

namespace lrw {
namespace {

// Brackets the work for one call, so that the program does not end under it.
class CallScope {
 public:
  explicit CallScope(TSlideShowOLE& server) : server_(server) { emit server_.CallStarted(); }
  ~CallScope() { emit server_.CallFinished(); }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  TSlideShowOLE& server_;
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

// The designer is in the middle of a command of its own: a modal window (the show,
// a message, a dialog) or the arrangement stage is open. Those hold the show's slides
// by reference, so nothing may add to or replace them meanwhile.
bool DesignerBusy(const TSlideshowDesignForm& form) {
  return QApplication::activeModalWidget() != nullptr || form.ArrangementStage;
}

constexpr const char* kBusyError = "Quorvel.SlideShowOLE.Error.Busy";
constexpr const char* kBusyText = "The designer is busy with a show, a message or a dialog.";

}  // namespace

TSlideShowOLE::TSlideShowOLE(QObject* parent) : QObject(parent) {}

void TSlideShowOLE::WatchDesigner() {
  QPointer<TSlideshowDesignForm> form = SlideshowDesignForm.data();
  if (!form) return;
  connect(form, &TSlideshowDesignForm::FormClosed, this, [this, form] {
    if (form && form->ControllerWindow != 0) {
      emit ControllerMessage(static_cast<uint>(form->ControllerWindow), kDesignerClosedMessage);
    }
  });
}

void TSlideShowOLE::Fail(const QString& errorName, const QString& text) {
  emit CallRefused(text);
  if (calledFromDBus()) sendErrorReply(errorName, text);
}

bool TSlideShowOLE::BeginCall() {
  if (calledFromDBus()) emit ClientCalled(message().service());
  if (!SlideshowDesignForm) {
    Fail(QDBusError::errorString(QDBusError::Failed), "The designer window has closed.");
    return false;
  }
  return true;
}

void TSlideShowOLE::AddSlide(const QString& fileName) {
  if (!BeginCall()) return;
  if (DesignerBusy(*SlideshowDesignForm)) return Fail(kBusyError, kBusyText);
  CallScope scope(*this);
  SlideshowDesignForm->AddPictureSlide(fileName.toStdString());
}

void TSlideShowOLE::RunShow(const QString& fileName) {
  if (!BeginCall()) return;
  if (DesignerBusy(*SlideshowDesignForm)) return Fail(kBusyError, kBusyText);
  // The show can run for as long as the user likes; the caller hears of its end
  // through message 1025 instead of waiting for the reply.
  emit CallStarted();
  QTimer::singleShot(0, this, [this, fileName] { RunShowWhenFree(fileName); });
}

void TSlideShowOLE::RunShowWhenFree(const QString& fileName) {
  // Something modal may have opened between the call and now; the show waits for it.
  if (SlideshowDesignForm && DesignerBusy(*SlideshowDesignForm)) {
    QTimer::singleShot(100, this, [this, fileName] { RunShowWhenFree(fileName); });
    return;
  }
  RunShowNow(fileName);
  emit CallFinished();
}

void TSlideShowOLE::RunShowNow(const QString& fileName) {
  QPointer<TSlideshowDesignForm> form = SlideshowDesignForm.data();
  if (!form) return;
  const std::string path = fileName.toStdString();
  std::error_code ec;
  if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return;
  if (!form->OpenFile(path)) return;
  form->RunFromStart1Click();
  if (!form) return;
  if (form->ControllerWindow != 0) {
    emit ControllerMessage(static_cast<uint>(form->ControllerWindow), kShowFinishedMessage);
  }
  // Closed like a close by hand: the save prompt, message 1026, the end of the program.
  QMetaObject::invokeMethod(form, "close", Qt::QueuedConnection);
}

void TSlideShowOLE::ShowDesignForm() {
  if (!BeginCall()) return;
  CallScope scope(*this);
  TSlideshowDesignForm& form = *SlideshowDesignForm;
  form.setWindowState(form.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  form.showNormal();
  form.setVisible(true);
  form.setEnabled(true);
  form.raise();
  form.activateWindow();
}

void TSlideShowOLE::CloseServer() {
  if (!BeginCall()) return;
  CallScope scope(*this);
  SlideshowDesignForm->QuerySaveChanges(false);
}

void TSlideShowOLE::IdentifyController(uint handle) {
  if (!BeginCall()) return;
  SlideshowDesignForm->ControllerWindow = handle;
}

void TSlideShowOLE::IdentifyController(int handle) {
  IdentifyController(static_cast<uint>(handle));
}

void TSlideShowOLE::Invoke(int dispId, const QVariantList& wrapped) {
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

int TSlideShowOLE::GetDispatchId(const QString& name) {
  const AutomationMethod* method = FindAutomationMethod(name.toStdString());
  if (!method) {
    Fail(QDBusError::errorString(QDBusError::UnknownMethod),
         QStringLiteral("No method is named %1.").arg(name));
    return -1;
  }
  return method->dispId;
}

}  // namespace lrw
