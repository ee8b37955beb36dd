// The automation object: the methods a controller calls on the bus. Every method acts
// on the show's owner through AutomationTarget; the object itself only remembers the
// controller that messages 1025 and 1026 are meant for.
#pragma once

#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantList>

#include "app/AutomationMethods.h"
#include "designer/AutomationTarget.h"

namespace lrw {

class SlideShowOLE : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "Quorvel.SlideShowOLE")
  // Written out because the signal is sent by the server itself (see
  // AutomationServer), not relayed by the bus library.
  Q_CLASSINFO(
      "D-Bus Introspection",
      "  <interface name=\"Quorvel.SlideShowOLE\">\n"
      "    <method name=\"AddSlide\"><arg name=\"fileName\" type=\"s\" "
      "direction=\"in\"/></method>\n"
      "    <method name=\"RunShow\"><arg name=\"fileName\" type=\"s\" direction=\"in\"/></method>\n"
      "    <method name=\"ShowDesignForm\"/>\n"
      "    <method name=\"CloseServer\"/>\n"
      "    <method name=\"IdentifyController\"><arg name=\"handle\" type=\"u\" "
      "direction=\"in\"/></method>\n"
      "    <method name=\"Invoke\"><arg name=\"dispId\" type=\"i\" direction=\"in\"/>"
      "<arg name=\"args\" type=\"av\" direction=\"in\"/></method>\n"
      "    <method name=\"GetDispatchId\"><arg name=\"name\" type=\"s\" direction=\"in\"/>"
      "<arg type=\"i\" direction=\"out\"/></method>\n"
      "    <signal name=\"ControllerMessage\"><arg name=\"controller\" type=\"u\"/>"
      "<arg name=\"message\" type=\"u\"/></signal>\n"
      "    <signal name=\"NotSaved\"><arg name=\"fileName\" type=\"s\"/>"
      "<arg name=\"reason\" type=\"s\"/></signal>\n"
      "  </interface>\n")

 public:
  explicit SlideShowOLE(QObject* parent = nullptr);

  // What the methods act on; null (before the designer exists or after it has gone)
  // refuses every call.
  void SetTarget(AutomationTarget* target) { target_ = target; }
  AutomationTarget* Target() const { return target_; }
  // The designer has closed: message 1026 for the controller.
  void DesignerClosed();
  quint32 Controller() const { return controller_; }

 public slots:
  // No method keeps its caller waiting on a person: each is answered at once, and
  // what needs the user (the save question) comes after the reply. AddSlide, RunShow
  // and CloseServer are refused (error "Quorvel.SlideShowOLE.Error.Busy") while the
  // designer is busy with a show, a message, a dialog or the arrangement stage, and
  // while an earlier RunShow or CloseServer has not yet asked its question.
  //
  // Dispatch id 1: the picture file becomes a new slide, as if the user had chosen it.
  // A picture that cannot be added is an error reply with the reason.
  Q_SCRIPTABLE void AddSlide(const QString& fileName);
  // Dispatch id 2: opens the show file and runs it from the beginning, then sends
  // message 1025 and closes the designer. The reply says the call was accepted; a
  // changed show is first put to the user (save: Yes, No) and the outcome arrives as the
  // show running (1025 at its end) or as the signal NotSaved(fileName, reason) when Yes
  // did not lead to a save. Changes to a show read from a damaged file are never saved
  // over it unasked: that call is refused at once with the error NotSaved.
  Q_SCRIPTABLE void RunShow(const QString& fileName);
  // Dispatch id 3: the designer in its normal state, visible, enabled and in front.
  Q_SCRIPTABLE void ShowDesignForm();
  // Dispatch id 4: the save prompt with Yes and No, put up after the reply; nothing when
  // the show is unchanged. NotSaved (error) for changes to a show read from a damaged
  // file, as for RunShow.
  Q_SCRIPTABLE void CloseServer();
  // Dispatch id 5: the controller that messages 1025 and 1026 are meant for.
  Q_SCRIPTABLE void IdentifyController(uint handle);
  // Late-bound calls: the method with that dispatch id, with its one argument or none
  // (a handle may be any integer type that fits in 32 bits).
  Q_SCRIPTABLE void Invoke(int dispId, const QVariantList& args);
  // The dispatch id of a method name (any case).
  Q_SCRIPTABLE int GetDispatchId(const QString& name);

 signals:
  // Message 1025 (show finished) or 1026 (designer closed) for the controller; emitted
  // only when a controller has identified itself. The server puts it on the bus.
  void ControllerMessage(uint controller, uint message);
  // An accepted RunShow did not run: the user's Yes to the save question did not lead
  // to a save. The server puts it on the bus.
  void NotSaved(const QString& fileName, const QString& reason);
  // A bus client called a method; `caller` is its connection's unique name.
  void ClientCalled(const QString& caller);
  // Work for a call began or ended (RunShow's show ends after its call has returned).
  void CallStarted();
  void CallFinished();
  // A call was refused (no designer, unknown dispatch id, wrong arguments); the bus
  // caller gets the same text as an error reply.
  void CallRefused(const QString& text);

 private:
  // The accepted RunShow, run from the event loop once the designer is free.
  void RunAcceptedShow(const QString& fileName);
  // The accepted CloseServer's save question, once the designer is free.
  void AskToSaveAccepted();
  // True (with the NotSaved error) when the show's changes could only be saved over a
  // damaged file.
  bool RefuseUnsavedDamage();
  // Counts the caller; false (with an error reply) when there is no designer any more.
  bool BeginCall();
  // False (with the busy error) while the target is busy.
  bool RefuseWhenBusy();
  void Fail(const QString& errorName, const QString& text);

  AutomationTarget* target_ = nullptr;
  quint32 controller_ = 0;
  // A RunShow or CloseServer has been answered and its work not yet begun.
  bool accepted_ = false;
};

}  // namespace lrw
