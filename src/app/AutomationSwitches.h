// The automation framework's own command-line switches: "AUTOMATION", "EMBEDDING",
// "REGSERVER" and "UNREGSERVER", each after "-" or "/", in any case.
#pragma once

#include <string>
#include <vector>

namespace lrw {

enum class AutomationStartMode {
  Standalone,   // an ordinary start: the server is announced and its registration renewed
  Automation,   // started by the automation system ("AUTOMATION" or "EMBEDDING")
  RegServer,    // write the registration and end
  UnregServer,  // remove the registration and end
};

// `args` excludes the program's own name. A start for automation outranks the
// registration switches, and "REGSERVER" outranks "UNREGSERVER", so that a command
// line that names several never ends up both registering and running hidden.
AutomationStartMode FindAutomationStartMode(const std::vector<std::string>& args);

}  // namespace lrw
