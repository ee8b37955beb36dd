#include "PictureKeys.h"

#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "ScreenSize.h"
#include "document/Cp1252.h"
#include "document/PictureFit.h"
#include "effects/SmoothTransitions.h"
#include "import/LoadPicture.h"

namespace lrw::showtool {
namespace {

constexpr std::array<std::string_view, kMotionKindCount> kMotionKeys = {
    "none", "zoom-in", "zoom-out", "pan-left", "pan-right", "pan-up", "pan-down", "auto", "custom"};

std::optional<MotionRect> ParseRect(const std::string& text) {
  std::array<int32_t, 4> v{};
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (size_t i = 0; i < v.size(); ++i) {
    const auto [next, ec] = std::from_chars(p, end, v[i]);
    if (ec != std::errc()) return std::nullopt;
    p = next;
    if (i + 1 < v.size()) {
      if (p == end || *p != ',') return std::nullopt;
      ++p;
    }
  }
  if (p != end || v[2] <= 0 || v[3] <= 0) return std::nullopt;
  return MotionRect{v[0], v[1], v[2], v[3]};
}

std::string RectText(const MotionRect& r) {
  return "[" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) +
         ", " + std::to_string(r.height) + "]";
}

}  // namespace

Result<void> ApplyPictureKey(SlideRecord& s, const std::string& key, const std::string& value,
                             PictureKeyContext& context) {
  const std::string bad = "bad value for " + key + ": \"" + value + "\"";
  if (key == "screen") {
    const auto size = ParseScreenSize(value);
    if (!size) return Fail(bad);
    context.screenWidth = size->first;
    context.screenHeight = size->second;
  } else if (key == "fit") {
    const PictureFit fit = value == "own"    ? PictureFit::Own
                           : value == "fit"  ? PictureFit::Fit
                           : value == "fill" ? PictureFit::Fill
                                             : static_cast<PictureFit>(-1);
    if (fit != PictureFit::Own && fit != PictureFit::Fit && fit != PictureFit::Fill)
      return Fail(bad);
    if (s.IsBlank()) return {};
    LoadPictureModule loader;
    const std::string path = Cp1252ToUtf8(s.PicturePath());
    const LoadPictureResult picture = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
    if (!picture || picture->fullWidth <= 0) {
      const std::string why = picture ? std::string() : picture.error().message;
      return Fail("cannot read the picture \"" + path + "\"" + (why.empty() ? "" : ": " + why));
    }
    SetPictureBox(s, FitPicture(picture->fullWidth, picture->fullHeight, context.screenWidth,
                                context.screenHeight, fit));
  } else if (key == "motion") {
    size_t i = 0;
    while (i < kMotionKeys.size() && kMotionKeys[i] != value) ++i;
    if (i == kMotionKeys.size()) return Fail(bad);
    s.Motion.kind = static_cast<MotionKind>(i);
  } else if (key == "strength") {
    int v = -1;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (ec != std::errc() || end != value.data() + value.size() || v < 0 || v > 100)
      return Fail(bad);
    s.Motion.strength = static_cast<uint8_t>(v);
  } else if (key == "ease") {
    if (value != "linear" && value != "smooth") return Fail(bad);
    s.Motion.ease = value == "linear" ? MotionEase::Linear : MotionEase::Smooth;
  } else if (key == "start" || key == "end") {
    const auto rect = ParseRect(value);
    if (!rect) return Fail(bad + " (X,Y,W,H in picture pixels, W and H above 0)");
    (key == "start" ? s.Motion.start : s.Motion.end) = *rect;
    s.Motion.kind = MotionKind::Custom;
  } else if (key == "transition") {
    if (value == "none") {
      s.Smooth = SmoothEffect::None;
      return {};
    }
    const auto smooth = SmoothEffectFromKey(value);
    if (!smooth) return Fail(bad);
    s.Smooth = *smooth;
    // What a 4.0 file keeps instead.
    s.Effect = FallbackBlockEffect(*smooth);
  } else {
    return Fail(ErrorKind::NotHandled);
  }
  return {};
}

std::string PictureKeysDump(const SlideRecord& s) {
  std::string out;
  if (s.Motion.Present()) {
    out += ",\n      \"Motion\": {\"kind\": \"" +
           std::string(kMotionKeys[static_cast<size_t>(s.Motion.kind)]) +
           "\", \"strength\": " + std::to_string(s.Motion.strength) + ", \"ease\": \"" +
           (s.Motion.ease == MotionEase::Linear ? "linear" : "smooth") + "\"";
    if (s.Motion.kind == MotionKind::Custom) {
      out += ", \"start\": " + RectText(s.Motion.start) + ", \"end\": " + RectText(s.Motion.end);
    }
    out += "}";
  }
  if (s.Smooth != SmoothEffect::None) {
    out += ",\n      \"Transition\": \"" + std::string(SmoothEffectKey(s.Smooth)) + "\"";
  }
  return out;
}

}  // namespace lrw::showtool
