// The effect names as the designer lists them; the index is the effect number.
#pragma once

#include <array>
#include <string_view>

namespace lrw {

inline constexpr int kEffectCount = 42;

const std::array<std::string_view, kEffectCount>& EffectNames();

}  // namespace lrw
