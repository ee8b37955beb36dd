// The automation object: the methods a controller calls on the bus. It holds no state
// of its own; every method acts on the one designer window and its show.
#pragma once

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantList>

#include "app/AutomationMethods.h"

namespace lrw {

class TSlideShowOLE : public QObject, protected QDBusContext {
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
      "    <method name=\"IdentifyController\"><arg name=\"handle\" type=\"i\" "
      "direction=\"in\"/></method>\n"
      "    <method name=\"Invoke\"><arg name=\"dispId\" type=\"i\" direction=\"in\"/>"
      "<arg name=\"args\" type=\"av\" direction=\"in\"/></method>\n"
      "    <method name=\"GetDispatchId\"><arg name=\"name\" type=\"s\" direction=\"in\"/>"
      "<arg type=\"i\" direction=\"out\"/></method>\n"
      "    <signal name=\"ControllerMessage\"><arg name=\"controller\" type=\"u\"/>"
      "<arg name=\"message\" type=\"u\"/></signal>\n"
      "  </interface>\n")

 public:
  explicit TSlideShowOLE(QObject* parent = nullptr);

  // Starts watching the designer for its close (message 1026); call once the designer
  // exists.
  void WatchDesigner();

 public slots:
  // AddSlide and RunShow are refused (error "Quorvel.SlideShowOLE.Error.Busy") while
  // the designer is busy with a show, a message, a dialog or the arrangement stage.
  //
  // Dispatch id 1: the picture file becomes a new slide, as if the user had chosen it.
  Q_SCRIPTABLE void AddSlide(const QString& fileName);
  // Dispatch id 2: opens the show file and runs it from the beginning, then sends
  // message 1025 and closes the designer. The call returns at once; the show runs
  // as soon as the program is back in its event loop.
  Q_SCRIPTABLE void RunShow(const QString& fileName);
  // Dispatch id 3: the designer in its normal state, visible, enabled and in front.
  Q_SCRIPTABLE void ShowDesignForm();
  // Dispatch id 4: the save prompt with Yes and No; nothing when the show is unchanged.
  Q_SCRIPTABLE void CloseServer();
  // Dispatch id 5: the controller that messages 1025 and 1026 are meant for.
  Q_SCRIPTABLE void IdentifyController(uint handle);
  // The same for a controller that passes its handle as a signed 32-bit integer, as
  // window handles often are.
  Q_SCRIPTABLE void IdentifyController(int handle);
  // Late-bound calls: the method with that dispatch id, with its one argument or none.
  Q_SCRIPTABLE void Invoke(int dispId, const QVariantList& args);
  // The dispatch id of a method name (any case).
  Q_SCRIPTABLE int GetDispatchId(const QString& name);

 signals:
  // Message 1025 (show finished) or 1026 (designer closed) for the controller; emitted
  // only when a controller has identified itself. The server puts it on the bus.
  void ControllerMessage(uint controller, uint message);
  // A bus client called a method; `caller` is its connection's unique name.
  void ClientCalled(const QString& caller);
  // Work for a call began or ended (RunShow's show ends after its call has returned).
  void CallStarted();
  void CallFinished();
  // A call was refused (no designer, unknown dispatch id, wrong arguments); the bus
  // caller gets the same text as an error reply.
  void CallRefused(const QString& text);

 private:
  // Run after RunShow's reply has gone out, once the designer is free.
  void RunShowWhenFree(const QString& fileName);
  void RunShowNow(const QString& fileName);
  // Counts the caller; false (with an error reply) when there is no designer any more.
  bool BeginCall();
  void Fail(const QString& errorName, const QString& text);
};

}  // namespace lrw
