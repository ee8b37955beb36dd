#include "effects/SmoothTransitions.h"

#include "document/TextMark.h"
#include "effects/EffectNames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>
#include <vector>

namespace lrw {
namespace {

struct SmoothInfo {
  SmoothEffect effect;
  std::string_view name;
  std::string_view key;
  uint8_t fallback;  // block effects: 1 Left To Right, 2 Right To Left, 3 Top To Bottom,
                     // 4 Bottom To Top, 32 Double Wipe Out, 35 Dissolve
};

constexpr std::array<SmoothInfo, kSmoothEffectCount> kSmooth = {{
    {SmoothEffect::CrossFade, LRW_TR_NOOP("lrw::EffectNames", "Cross-fade"), "crossfade", 35},
    {SmoothEffect::FadeBlack, LRW_TR_NOOP("lrw::EffectNames", "Fade through black"), "fade-black",
     35},
    {SmoothEffect::FadeWhite, LRW_TR_NOOP("lrw::EffectNames", "Fade through white"), "fade-white",
     35},
    {SmoothEffect::PushLeft, LRW_TR_NOOP("lrw::EffectNames", "Push left"), "push-left", 2},
    {SmoothEffect::PushRight, LRW_TR_NOOP("lrw::EffectNames", "Push right"), "push-right", 1},
    {SmoothEffect::PushUp, LRW_TR_NOOP("lrw::EffectNames", "Push up"), "push-up", 4},
    {SmoothEffect::PushDown, LRW_TR_NOOP("lrw::EffectNames", "Push down"), "push-down", 3},
    {SmoothEffect::Cover, LRW_TR_NOOP("lrw::EffectNames", "Cover"), "cover", 2},
    {SmoothEffect::Uncover, LRW_TR_NOOP("lrw::EffectNames", "Uncover"), "uncover", 2},
    {SmoothEffect::WipeLeft, LRW_TR_NOOP("lrw::EffectNames", "Soft wipe left"), "wipe-left", 2},
    {SmoothEffect::WipeRight, LRW_TR_NOOP("lrw::EffectNames", "Soft wipe right"), "wipe-right", 1},
    {SmoothEffect::WipeUp, LRW_TR_NOOP("lrw::EffectNames", "Soft wipe up"), "wipe-up", 4},
    {SmoothEffect::WipeDown, LRW_TR_NOOP("lrw::EffectNames", "Soft wipe down"), "wipe-down", 3},
    {SmoothEffect::ZoomIn, LRW_TR_NOOP("lrw::EffectNames", "Zoom in cross-fade"), "zoom-in", 35},
    {SmoothEffect::ZoomOut, LRW_TR_NOOP("lrw::EffectNames", "Zoom out cross-fade"), "zoom-out", 35},
    {SmoothEffect::Iris, LRW_TR_NOOP("lrw::EffectNames", "Iris"), "iris", 32},
}};

const SmoothInfo* InfoOf(SmoothEffect effect) {
  const int n = static_cast<int>(effect);
  return n >= 1 && n <= kSmoothEffectCount ? &kSmooth[static_cast<size_t>(n - 1)] : nullptr;
}

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
// The soft edge of wipes and the iris, as a share of the screen's width.
constexpr double kSoftEdge = 0.12;
// How far the zoom cross-fades enlarge the picture that zooms.
constexpr double kZoomRange = 0.25;

uint32_t Weight(double w) {
  return static_cast<uint32_t>(std::lround(std::clamp(w, 0.0, 1.0) * 256.0));
}

double SmoothStep(double p) {
  return p * p * (3 - 2 * p);
}

// Runs `part(begin, end)` over [0, n), on two threads when the frame is large: a blend is
// bound by memory, and a large screen's frame time by this pass.
template <typename Part>
void Split(size_t n, Part&& part) {
  constexpr size_t kSplitAbove = 1 << 20;
  if (n <= kSplitAbove) {
    part(size_t{0}, n);
    return;
  }
  std::thread other([&] { part(size_t{0}, n / 2); });
  part(n / 2, n);
  other.join();
}

void CrossFade(const Bitmap& a, const Bitmap& b, uint32_t w, Bitmap& out) {
  const uint32_t* pa = a.pixels.data();
  const uint32_t* pb = b.pixels.data();
  uint32_t* po = out.pixels.data();
  Split(out.pixels.size(), [=](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) po[i] = BlendPixel(pa[i], pb[i], w);
  });
}

void FadeThrough(const Bitmap& a, const Bitmap& b, double p, uint32_t colour, Bitmap& out) {
  const bool first = p < 0.5;
  const uint32_t* src = (first ? a : b).pixels.data();
  const uint32_t w = Weight(first ? 2 * p : 2 - 2 * p);
  uint32_t* po = out.pixels.data();
  Split(out.pixels.size(), [=](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) po[i] = BlendPixel(src[i], colour, w);
  });
}

// Rows or columns of `incoming` slide in by `offset` pixels from the edge given by dx/dy;
// `moveOld` moves the outgoing picture along (push, uncover) or leaves it (cover).
void Slide(const Bitmap& old, const Bitmap& incoming, double p, int dx, int dy, bool moveOld,
           bool moveNew, Bitmap& out) {
  const int w = out.width;
  const int h = out.height;
  const int span = dx != 0 ? w : h;
  const int offset = static_cast<int>(std::lround(SmoothStep(p) * span));
  for (int y = 0; y < h; ++y) {
    uint32_t* o = out.row(y);
    for (int x = 0; x < w; ++x) {
      // Position along the travel, measured so that the incoming picture enters from the
      // far side: for dx = -1 (to the left) it enters at the right edge.
      const int along = dx != 0 ? (dx < 0 ? x : w - 1 - x) : (dy < 0 ? y : h - 1 - y);
      const bool inNew = along >= span - offset;
      if (inNew) {
        const int s = moveNew ? along - (span - offset) : along;
        const int sx = dx != 0 ? (dx < 0 ? s : w - 1 - s) : x;
        const int sy = dx != 0 ? y : (dy < 0 ? s : h - 1 - s);
        o[x] = incoming.at(sx, sy);
      } else {
        const int s = moveOld ? along + offset : along;
        const int sx = dx != 0 ? (dx < 0 ? s : w - 1 - s) : x;
        const int sy = dx != 0 ? y : (dy < 0 ? s : h - 1 - s);
        o[x] = old.at(sx, sy);
      }
    }
  }
}

// The incoming picture comes in behind an edge that moves across the screen.
void SoftWipe(const Bitmap& a, const Bitmap& b, double p, int dx, int dy, Bitmap& out) {
  const int w = out.width;
  const int h = out.height;
  const int span = dx != 0 ? w : h;
  const double edge = std::max(1.0, kSoftEdge * w);
  // The edge's leading side travels from before the first pixel to past the last.
  const double front = p * (span + edge);
  std::vector<uint32_t> weights(static_cast<size_t>(span));
  for (int i = 0; i < span; ++i) {
    const int along = (dx < 0 || dy < 0) ? span - 1 - i : i;
    weights[static_cast<size_t>(i)] = Weight((front - along) / edge);
  }
  for (int y = 0; y < h; ++y) {
    const uint32_t* ra = a.row(y);
    const uint32_t* rb = b.row(y);
    uint32_t* o = out.row(y);
    if (dx != 0) {
      for (int x = 0; x < w; ++x) o[x] = BlendPixel(ra[x], rb[x], weights[static_cast<size_t>(x)]);
    } else {
      const uint32_t wy = weights[static_cast<size_t>(y)];
      for (int x = 0; x < w; ++x) o[x] = BlendPixel(ra[x], rb[x], wy);
    }
  }
}

// Bilinear sample positions of a picture enlarged `scale` times about its centre.
struct Taps {
  std::vector<int> index;
  std::vector<uint32_t> frac;  // 0..256 toward index + 1
};

Taps MakeTaps(int size, double scale) {
  Taps t;
  t.index.resize(static_cast<size_t>(size));
  t.frac.resize(static_cast<size_t>(size));
  const double centre = size / 2.0;
  for (int i = 0; i < size; ++i) {
    const double s = std::clamp((i + 0.5 - centre) / scale + centre - 0.5, 0.0, size - 1.0);
    const int i0 = std::min(static_cast<int>(s), size - 2 < 0 ? 0 : size - 2);
    t.index[static_cast<size_t>(i)] = i0;
    t.frac[static_cast<size_t>(i)] = Weight(s - i0);
  }
  return t;
}

void ZoomFade(const Bitmap& zoomed, const Bitmap& still, double scale, uint32_t stillWeight,
              Bitmap& out) {
  const int w = out.width;
  const int h = out.height;
  const Taps tx = MakeTaps(w, scale);
  const Taps ty = MakeTaps(h, scale);
  for (int y = 0; y < h; ++y) {
    const int y0 = ty.index[static_cast<size_t>(y)];
    const int y1 = std::min(y0 + 1, h - 1);
    const uint32_t fy = ty.frac[static_cast<size_t>(y)];
    const uint32_t* r0 = zoomed.row(y0);
    const uint32_t* r1 = zoomed.row(y1);
    const uint32_t* rs = still.row(y);
    uint32_t* o = out.row(y);
    for (int x = 0; x < w; ++x) {
      const int x0 = tx.index[static_cast<size_t>(x)];
      const int x1 = std::min(x0 + 1, w - 1);
      const uint32_t fx = tx.frac[static_cast<size_t>(x)];
      const uint32_t top = BlendPixel(r0[x0], r0[x1], fx);
      const uint32_t bottom = BlendPixel(r1[x0], r1[x1], fx);
      o[x] = BlendPixel(BlendPixel(top, bottom, fy), rs[x], stillWeight);
    }
  }
}

void Iris(const Bitmap& a, const Bitmap& b, double p, Bitmap& out) {
  const int w = out.width;
  const int h = out.height;
  const double edge = std::max(1.0, kSoftEdge * w);
  const double reach = std::sqrt(double(w) * w + double(h) * h) / 2 + edge;
  const double radius = p * reach;
  std::vector<float> dx2(static_cast<size_t>(w));
  for (int x = 0; x < w; ++x) {
    const double d = x + 0.5 - w / 2.0;
    dx2[static_cast<size_t>(x)] = static_cast<float>(d * d);
  }
  const float inv = static_cast<float>(256.0 / edge);
  for (int y = 0; y < h; ++y) {
    const double dy = y + 0.5 - h / 2.0;
    const float dy2 = static_cast<float>(dy * dy);
    const uint32_t* ra = a.row(y);
    const uint32_t* rb = b.row(y);
    uint32_t* o = out.row(y);
    for (int x = 0; x < w; ++x) {
      const float inside =
          (static_cast<float>(radius) - std::sqrt(dx2[static_cast<size_t>(x)] + dy2)) * inv;
      const uint32_t wt = static_cast<uint32_t>(std::clamp(inside, 0.0f, 256.0f) + 0.5f);
      o[x] = BlendPixel(ra[x], rb[x], std::min<uint32_t>(wt, 256));
    }
  }
}

}  // namespace

std::string_view SmoothEffectName(SmoothEffect effect) {
  const SmoothInfo* info = InfoOf(effect);
  return info ? info->name : std::string_view();
}

std::string_view SmoothEffectKey(SmoothEffect effect) {
  const SmoothInfo* info = InfoOf(effect);
  return info ? info->key : std::string_view("none");
}

std::optional<SmoothEffect> SmoothEffectFromKey(std::string_view key) {
  for (const SmoothInfo& info : kSmooth) {
    if (info.key == key) return info.effect;
  }
  return std::nullopt;
}

uint8_t FallbackBlockEffect(SmoothEffect effect) {
  const SmoothInfo* info = InfoOf(effect);
  return info ? info->fallback : 0;
}

int TransitionListIndex(uint8_t effect, SmoothEffect smooth) {
  if (smooth != SmoothEffect::None) return kEffectCount + static_cast<int>(smooth) - 1;
  return effect;
}

void SetTransitionFromList(int index, uint8_t& effect, SmoothEffect& smooth) {
  if (index < kEffectCount) {
    effect = static_cast<uint8_t>(index);
    smooth = SmoothEffect::None;
    return;
  }
  smooth = static_cast<SmoothEffect>(index - kEffectCount + 1);
  effect = FallbackBlockEffect(smooth);
}

double SmoothSeconds(int boxWidth) {
  const int speed = std::clamp(boxWidth, 2, 10);
  return 3.0 - (speed - 2) * (2.5 / 8.0);
}

void DrawSmoothFrame(SmoothEffect effect, const Bitmap& from, const Bitmap& to, double progress,
                     Bitmap& out) {
  const double p = std::clamp(progress, 0.0, 1.0);
  if (out.empty() || from.width != out.width || from.height != out.height ||
      to.width != out.width || to.height != out.height) {
    return;
  }
  switch (effect) {
    case SmoothEffect::None:
    case SmoothEffect::CrossFade:
      CrossFade(from, to, Weight(p), out);
      return;
    case SmoothEffect::FadeBlack:
      FadeThrough(from, to, p, kBlack, out);
      return;
    case SmoothEffect::FadeWhite:
      FadeThrough(from, to, p, kWhite, out);
      return;
    case SmoothEffect::PushLeft:
      Slide(from, to, p, -1, 0, true, true, out);
      return;
    case SmoothEffect::PushRight:
      Slide(from, to, p, 1, 0, true, true, out);
      return;
    case SmoothEffect::PushUp:
      Slide(from, to, p, 0, -1, true, true, out);
      return;
    case SmoothEffect::PushDown:
      Slide(from, to, p, 0, 1, true, true, out);
      return;
    case SmoothEffect::Cover:
      Slide(from, to, p, -1, 0, false, true, out);
      return;
    case SmoothEffect::Uncover:
      Slide(from, to, p, -1, 0, true, false, out);
      return;
    case SmoothEffect::WipeLeft:
      SoftWipe(from, to, p, -1, 0, out);
      return;
    case SmoothEffect::WipeRight:
      SoftWipe(from, to, p, 1, 0, out);
      return;
    case SmoothEffect::WipeUp:
      SoftWipe(from, to, p, 0, -1, out);
      return;
    case SmoothEffect::WipeDown:
      SoftWipe(from, to, p, 0, 1, out);
      return;
    case SmoothEffect::ZoomIn:
      // The outgoing picture grows as it fades into the incoming one.
      ZoomFade(from, to, 1 + kZoomRange * p, Weight(p), out);
      return;
    case SmoothEffect::ZoomOut:
      // The incoming picture settles from large to its own size.
      ZoomFade(to, from, 1 + kZoomRange * (1 - p), Weight(1 - p), out);
      return;
    case SmoothEffect::Iris:
      Iris(from, to, p, out);
      return;
  }
}

}  // namespace lrw
