// The "--screen WxH" argument of the subcommands that place or draw slides.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace lrw::showtool {

// "1024x768" (or "1024X768") as width and height, each 1 to 32767 (the range of a
// stored position); nothing for any other text.
std::optional<std::pair<int, int>> ParseScreenSize(const std::string& text);

}  // namespace lrw::showtool
