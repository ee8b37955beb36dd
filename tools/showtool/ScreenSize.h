// The "--screen WxH" argument of the subcommands that place or draw slides.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lrw::showtool {

// "1024x768" (or "1024X768") as width and height, each 1 to 32767 (the range of a
// stored position); nothing for any other text.
std::optional<std::pair<int, int>> ParseScreenSize(const std::string& text);

// When args[i] is "--screen", reads the size after it into width and height and moves
// i onto it. NotThere: another argument; Bad: the size is missing or wrong.
enum class ScreenOption { NotThere, Taken, Bad };
ScreenOption TakeScreenOption(const std::vector<std::string>& args, size_t& i, int& width,
                              int& height);

}  // namespace lrw::showtool
