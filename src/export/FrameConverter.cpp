#include "export/FrameConverter.h"

#include <algorithm>
#include <cstdint>

namespace lrw {

namespace {

// BT.709 from full-range R'G'B' to video-range Y'CbCr, in 16-bit fixed point.
constexpr int32_t Fixed(double v) {
  return static_cast<int32_t>(v * 65536.0 + (v >= 0 ? 0.5 : -0.5));
}
constexpr double kKr = 0.2126, kKb = 0.0722, kKg = 1 - kKr - kKb;
constexpr double kLumaRange = 219.0 / 255, kChromaRange = 224.0 / 255;
constexpr int32_t kYr = Fixed(kLumaRange * kKr), kYg = Fixed(kLumaRange * kKg),
                  kYb = Fixed(kLumaRange * kKb);
constexpr int32_t kUr = Fixed(-kChromaRange * kKr / (2 * (1 - kKb))),
                  kUg = Fixed(-kChromaRange * kKg / (2 * (1 - kKb))), kUb = Fixed(kChromaRange / 2);
constexpr int32_t kVr = Fixed(kChromaRange / 2), kVg = Fixed(-kChromaRange * kKg / (2 * (1 - kKr))),
                  kVb = Fixed(-kChromaRange * kKb / (2 * (1 - kKr)));

// The loops are written for the vectorizer; a copy for AVX2 is chosen at run time.
__attribute__((target_clones("avx2", "default"))) void LumaRow(const uint32_t* __restrict pixels,
                                                               uint8_t* __restrict luma, int n) {
  for (int x = 0; x < n; ++x) {
    const uint32_t p = pixels[x];
    const int32_t r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    luma[x] = static_cast<uint8_t>((kYr * r + kYg * g + kYb * b + (16 << 16) + (1 << 15)) >> 16);
  }
}

// Chroma of each 2 x 2 block from its average colour.
__attribute__((target_clones("avx2", "default"))) void ChromaRow(const uint32_t* __restrict top,
                                                                 const uint32_t* __restrict bottom,
                                                                 uint8_t* __restrict cb,
                                                                 uint8_t* __restrict cr, int n) {
  for (int x = 0; x < n; ++x) {
    const uint32_t p0 = top[2 * x], p1 = top[2 * x + 1], p2 = bottom[2 * x], p3 = bottom[2 * x + 1];
    const int32_t r =
        ((p0 >> 16) & 255) + ((p1 >> 16) & 255) + ((p2 >> 16) & 255) + ((p3 >> 16) & 255);
    const int32_t g = ((p0 >> 8) & 255) + ((p1 >> 8) & 255) + ((p2 >> 8) & 255) + ((p3 >> 8) & 255);
    const int32_t b = (p0 & 255) + (p1 & 255) + (p2 & 255) + (p3 & 255);
    cb[x] = static_cast<uint8_t>((kUr * r + kUg * g + kUb * b + (128 << 18) + (1 << 17)) >> 18);
    cr[x] = static_cast<uint8_t>((kVr * r + kVg * g + kVb * b + (128 << 18) + (1 << 17)) >> 18);
  }
}

}  // namespace

AvFramePtr FrameConverter::NewFrame() const {
  AvFramePtr frame(av_frame_alloc());
  if (!frame) return nullptr;
  frame->format = AV_PIX_FMT_YUV420P;
  frame->width = width_;
  frame->height = height_;
  frame->color_primaries = AVCOL_PRI_BT709;
  frame->color_trc = AVCOL_TRC_BT709;
  frame->colorspace = AVCOL_SPC_BT709;
  frame->color_range = AVCOL_RANGE_MPEG;
  if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
  return frame;
}

void FrameConverter::ConvertRect(const Bitmap& screen, AVFrame& frame,
                                 const EffectRect& rect) const {
  // Whole 2 x 2 blocks that cover the rectangle.
  const int left = std::clamp(rect.left, 0, width_) & ~1;
  const int top = std::clamp(rect.top, 0, height_) & ~1;
  const int right = std::min((std::clamp(rect.right, 0, width_) + 1) & ~1, width_);
  const int bottom = std::min((std::clamp(rect.bottom, 0, height_) + 1) & ~1, height_);
  if (right <= left || bottom <= top) return;
  const int n = right - left;
  for (int y = top; y < bottom; y += 2) {
    const uint32_t* upper = screen.row(y) + left;
    const uint32_t* lower = screen.row(y + 1) + left;
    LumaRow(upper, frame.data[0] + static_cast<ptrdiff_t>(y) * frame.linesize[0] + left, n);
    LumaRow(lower, frame.data[0] + static_cast<ptrdiff_t>(y + 1) * frame.linesize[0] + left, n);
    const ptrdiff_t c = static_cast<ptrdiff_t>(y / 2);
    ChromaRow(upper, lower, frame.data[1] + c * frame.linesize[1] + left / 2,
              frame.data[2] + c * frame.linesize[2] + left / 2, n / 2);
  }
}

AvFramePtr FrameConverter::Convert(const Bitmap& screen) const {
  if (screen.width != width_ || screen.height != height_) return nullptr;
  AvFramePtr frame = NewFrame();
  if (frame) ConvertRect(screen, *frame, {0, 0, width_, height_});
  return frame;
}

AvFramePtr FrameConverter::Update(const AVFrame& previous, const Bitmap& screen,
                                  const EffectRect& changed) const {
  if (screen.width != width_ || screen.height != height_) return nullptr;
  AvFramePtr frame = NewFrame();
  if (!frame || av_frame_copy(frame.get(), &previous) < 0) return nullptr;
  ConvertRect(screen, *frame, changed);
  return frame;
}

}  // namespace lrw
