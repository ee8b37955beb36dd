// The subcommands of showtool; each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace lrw::showtool {

int RunEffectOrder(const std::vector<std::string>& args);

}  // namespace lrw::showtool
