#include "import/BitmapScaling.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lrw {
namespace {

struct Contribution {
  int source;
  float weight;
};

// For each destination position along one axis, the source positions it covers
// and their share of it.
std::vector<std::vector<Contribution>> AxisWeights(int sourceSize, int targetSize) {
  std::vector<std::vector<Contribution>> out(static_cast<size_t>(targetSize));
  const double scale = static_cast<double>(sourceSize) / targetSize;
  for (int d = 0; d < targetSize; ++d) {
    auto& list = out[static_cast<size_t>(d)];
    if (scale <= 1.0) {
      list.push_back({std::min(sourceSize - 1, static_cast<int>(d * scale)), 1.0f});
      continue;
    }
    const double from = d * scale;
    const double to = from + scale;
    double total = 0;
    for (int s = static_cast<int>(from); s < sourceSize && s < to; ++s) {
      const double w = std::min<double>(s + 1, to) - std::max<double>(s, from);
      if (w <= 0) continue;
      list.push_back({s, static_cast<float>(w)});
      total += w;
    }
    for (auto& c : list) c.weight = static_cast<float>(c.weight / total);
  }
  return out;
}

}  // namespace

std::pair<int, int> FittedSize(int width, int height, int boxWidth, int boxHeight) {
  if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {0, 0};
  const int64_t w = width, h = height;
  if (w * boxHeight >= h * boxWidth) {
    return {boxWidth, std::max<int>(1, static_cast<int>(boxWidth * h / w))};
  }
  return {std::max<int>(1, static_cast<int>(boxHeight * w / h)), boxHeight};
}

Bitmap ScaleBitmap(const Bitmap& source, int width, int height) {
  if (source.empty() || width <= 0 || height <= 0) return Bitmap();
  if (width == source.width && height == source.height) return source;
  const auto xs = AxisWeights(source.width, width);
  const auto ys = AxisWeights(source.height, height);
  // Horizontal pass into rows of floats (r, g, b per pixel), then vertical.
  std::vector<float> rows(static_cast<size_t>(source.height) * width * 3);
  for (int y = 0; y < source.height; ++y) {
    const uint32_t* in = source.row(y);
    float* out = rows.data() + static_cast<size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      float r = 0, g = 0, b = 0;
      for (const Contribution& c : xs[static_cast<size_t>(x)]) {
        const uint32_t p = in[c.source];
        r += c.weight * ((p >> 16) & 0xFF);
        g += c.weight * ((p >> 8) & 0xFF);
        b += c.weight * (p & 0xFF);
      }
      out[x * 3] = r;
      out[x * 3 + 1] = g;
      out[x * 3 + 2] = b;
    }
  }
  Bitmap result(width, height);
  std::vector<float> acc(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    std::fill(acc.begin(), acc.end(), 0.0f);
    for (const Contribution& c : ys[static_cast<size_t>(y)]) {
      const float* in = rows.data() + static_cast<size_t>(c.source) * width * 3;
      for (size_t i = 0; i < acc.size(); ++i) acc[i] += c.weight * in[i];
    }
    uint32_t* out = result.row(y);
    for (int x = 0; x < width; ++x) {
      auto channel = [&](int i) {
        return static_cast<uint32_t>(
            std::clamp(acc[static_cast<size_t>(x) * 3 + i] + 0.5f, 0.0f, 255.0f));
      };
      out[x] = 0xFF000000u | (channel(0) << 16) | (channel(1) << 8) | channel(2);
    }
  }
  return result;
}

Bitmap FitBitmap(const Bitmap& source, int boxWidth, int boxHeight) {
  const auto [w, h] = FittedSize(source.width, source.height, boxWidth, boxHeight);
  return ScaleBitmap(source, w, h);
}

Bitmap CenteredThumbnail(const Bitmap& source) {
  Bitmap square(kThumbnailSize, kThumbnailSize, kThumbnailBackground);
  const Bitmap fitted = FitBitmap(source, kThumbnailSize, kThumbnailSize);
  const int left = (kThumbnailSize - fitted.width) / 2;
  const int top = (kThumbnailSize - fitted.height) / 2;
  for (int y = 0; y < fitted.height; ++y) {
    std::copy(fitted.row(y), fitted.row(y) + fitted.width, square.row(top + y) + left);
  }
  return square;
}

}  // namespace lrw
