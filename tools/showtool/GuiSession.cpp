#include "GuiSession.h"

#include <QByteArray>

namespace lrw::showtool {

GuiSession::GuiSession() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QCoreApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiSession::~GuiSession() = default;

}  // namespace lrw::showtool
