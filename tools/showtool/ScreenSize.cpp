#include "ScreenSize.h"

#include <cstdio>

namespace lrw::showtool {

std::optional<std::pair<int, int>> ParseScreenSize(const std::string& text) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X') ||
      w <= 0 || h <= 0 || w > 32767 || h > 32767)
    return std::nullopt;
  return std::make_pair(w, h);
}

Result<std::optional<std::pair<int, int>>> TakeScreenOption(const std::vector<std::string>& args,
                                                            size_t& i) {
  if (args[i] != "--screen") return std::nullopt;
  const auto size = i + 1 < args.size() ? ParseScreenSize(args[i + 1]) : std::nullopt;
  if (!size) return Fail(ErrorKind::Refused, "--screen needs a size WxH");
  ++i;
  return size;
}

}  // namespace lrw::showtool
