// Program entry: the automation registration switches, then one copy at a time, the
// application's identity, the designer.
#include <QApplication>
#include <string>
#include <vector>

#include "app/AutomationSwitches.h"
#include "app/Registration.h"
#include "app/Startup.h"
#include "platform/Translations.h"

int main(int argc, char** argv) {
  // "REGSERVER" and "UNREGSERVER" end without a window, so they need no display.
  const std::vector<std::string> args(argv + 1, argv + argc);
  const lrw::AutomationStartMode mode = lrw::FindAutomationStartMode(args);
  if (mode == lrw::AutomationStartMode::RegServer ||
      mode == lrw::AutomationStartMode::UnregServer) {
    return lrw::UpdateRegistration(mode);
  }
  // The name of the installed desktop entry: Wayland compositors and docks match the
  // program's windows to it (its icon, its name).
  QGuiApplication::setDesktopFileName("io.github.lanternreelworks.Lanternreelworks");
  QApplication app(argc, argv);
  // The desktop's language, before the first window or message.
  const lrw::Translations translations;
  return lrw::RunProgram(app);
}
