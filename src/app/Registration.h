// Writing and removing the automation server's registration for the running program.
#pragma once

#include "app/AutomationSwitches.h"

namespace lrw {

// Renews the registration for every mode but UnregServer, which removes it. Returns
// the exit status for a registration start: 0, or 1 after one line on stderr.
int UpdateRegistration(AutomationStartMode mode);

}  // namespace lrw
