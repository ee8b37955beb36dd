// The "--screen WxH" argument of the subcommands that place or draw slides.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Result.h"

namespace lrw::showtool {

// "1024x768" (or "1024X768") as width and height, each 1 to 32767 (the range of a
// stored position); nothing for any other text.
std::optional<std::pair<int, int>> ParseScreenSize(const std::string& text);

// When args[i] is "--screen": the size after it, moving i onto it; fails when the size is
// missing or wrong. Nothing when args[i] is another argument.
Result<std::optional<std::pair<int, int>>> TakeScreenOption(const std::vector<std::string>& args,
                                                            size_t& i);

}  // namespace lrw::showtool
