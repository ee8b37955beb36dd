// Writing and removing the automation server's registration for the running program.
#pragma once

#include "app/AutomationSwitches.h"

namespace lrw {

// RegServer writes the registration for the running program, UnregServer removes it;
// other starts leave it alone (an installed program is registered by the bus service
// file of its package). Returns the exit status for a registration start: 0, or 1
// after one line on stderr.
int UpdateRegistration(AutomationStartMode mode);

}  // namespace lrw
