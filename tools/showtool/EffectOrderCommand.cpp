// showtool effect-order: lists the copies of one transition, one line per copy, or only their
// count and a hash, so that orders can be compared without a display.
#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "effects/EffectCopyList.h"
#include "effects/Random.h"
#include "effects/RunEffect.h"

namespace lrw::showtool {

namespace {

constexpr const char* kUsage =
    "usage: showtool effect-order EFFECT WIDTH HEIGHT D [--seed N] [--summary]\n";

// A decimal number from 0 to `max`; nothing for any other text.
std::optional<unsigned long long> ParseNumber(const std::string& text, unsigned long long max) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
  }
  unsigned long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > max) return std::nullopt;
  return value;
}

std::string Describe(const EffectCopy& copy) {
  switch (copy.kind) {
    case EffectCopyKind::Whole:
      return "whole";
    case EffectCopyKind::Box:
      return "box " + std::to_string(copy.a) + " " + std::to_string(copy.b);
    case EffectCopyKind::HorizontalLine:
      return "hline " + std::to_string(copy.a);
    case EffectCopyKind::VerticalLine:
      return "vline " + std::to_string(copy.a);
    case EffectCopyKind::Strip:
      return "strip " + std::to_string(copy.a) + " " + std::to_string(copy.b);
  }
  return {};
}

}  // namespace

int RunEffectOrder(const std::vector<std::string>& args) {
  std::vector<std::string> positional;
  std::optional<unsigned long long> seed = 0;
  bool summary = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--summary") {
      summary = true;
    } else if (args[i] == "--seed") {
      if (i + 1 < args.size()) seed = ParseNumber(args[i + 1], UINT32_MAX);
      if (i + 1 >= args.size() || !seed) {
        std::fprintf(stderr, "effect-order: --seed needs a number from 0 to 4294967295\n");
        return 2;
      }
      ++i;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 4) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  // The extent is one pixel larger than the picture and must fit in 16 bits.
  const std::optional<unsigned long long> effectNumber = ParseNumber(positional[0], 255);
  const std::optional<unsigned long long> width = ParseNumber(positional[1], 65534);
  const std::optional<unsigned long long> height = ParseNumber(positional[2], 65534);
  const std::optional<unsigned long long> boxWidth = ParseNumber(positional[3], 255);
  if (!effectNumber || !width || !height || !boxWidth) {
    std::fputs(kUsage, stderr);
    std::fputs("EFFECT and D are 0 to 255; WIDTH and HEIGHT are 0 to 65534\n", stderr);
    return 2;
  }
  // Stored as the effect image control stores them.
  const unsigned long long effect = std::min<unsigned long long>(*effectNumber, kLastEffect);
  const unsigned long long d = std::max<unsigned long long>(*boxWidth, kSmallestBoxWidth);

  SetRandomState(static_cast<uint32_t>(*seed));
  const EffectRect clip{0, 0, static_cast<int>(*width), static_cast<int>(*height)};
  const std::vector<EffectCopy> copies =
      ListEffectCopies(static_cast<uint8_t>(effect), clip, static_cast<uint8_t>(d));

  if (!summary) {
    std::string out;
    for (const EffectCopy& copy : copies) {
      out += Describe(copy);
      out += '\n';
      if (out.size() > (1 << 16)) {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
      }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  uint64_t hash = 14695981039346656037ull;
  for (const EffectCopy& copy : copies) {
    std::string line = Describe(copy);
    line += '\n';
    for (unsigned char ch : line) {
      hash ^= ch;
      hash *= 1099511628211ull;
    }
  }
  std::printf("copies %zu fnv1a64 %016" PRIx64 "\n", copies.size(), hash);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace lrw::showtool
