// showtool: a command-line companion of the designer. Each subcommand lives in
// its own file and is listed in the table below.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const std::vector<std::string>& args);
};

const Command kCommands[] = {
    // {"name", "usage", &RunName},
    {"effect-order", "EFFECT WIDTH HEIGHT D [--seed N] [--summary]",
     &lrw::showtool::RunEffectOrder},
    {"dump", "FILE", &lrw::showtool::RunDump},
    {"resave", "IN OUT [--portable]", &lrw::showtool::RunResave},
    {"set", "SHOW SLIDES KEY=VALUE... (see showtool set)", &lrw::showtool::RunSet},
    {"build", "SHOW TARGET.bld", &lrw::showtool::RunBuild},
    {"add", "SHOW PICTURE... [--screen WxH] [--threads N]", &lrw::showtool::RunAdd},
    {"thumbnail", "SHOW OUT.png SIZE [--screen WxH]", &lrw::showtool::RunThumbnail},
    {"export",
     "SHOW OUT [--size WxH] [--fps N] [--enter-seconds S] [--quality Q] [--force] [--quiet]",
     &lrw::showtool::RunExport},
    {"", "", nullptr},
};

void PrintUsage() {
  std::fprintf(stderr, "usage: showtool COMMAND ...\n");
  for (const Command& c : kCommands) {
    if (c.run) std::fprintf(stderr, "  showtool %s %s\n", c.name, c.usage);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage();
    return 2;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& c : kCommands) {
    if (c.run && std::strcmp(c.name, argv[1]) == 0) return c.run(args);
  }
  PrintUsage();
  return 2;
}
