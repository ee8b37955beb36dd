// The subcommands of showtool; each returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace lrw::showtool {

int RunEffectOrder(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunResave(const std::vector<std::string>& args);
int RunSet(const std::vector<std::string>& args);
int RunBuild(const std::vector<std::string>& args);
int RunAdd(const std::vector<std::string>& args);
int RunThumbnail(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);

}  // namespace lrw::showtool
