// A slide for a test in one expression: a plain record (or any starting record, such as the
// designer's first-slide defaults) with only the fields the test cares about set.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "document/Paths.h"
#include "document/SlideRecord.h"

namespace lrw::test {

class SlideBuilder {
 public:
  explicit SlideBuilder(SlideRecord start = {}) : s_(std::move(start)) {}

  // The picture at `path` ("" folder when it has none), shown at width x height when given.
  SlideBuilder& Picture(std::string_view path, int width = 0, int height = 0) {
    s_.PictureFolder = FolderOf(path);
    s_.PictureName = FileNameOf(path);
    if (width == 0 && height == 0) return *this;
    s_.ImageWidth = static_cast<int16_t>(width);
    s_.ImageHeight = static_cast<int16_t>(height);
    return *this;
  }
  SlideBuilder& Place(int left, int top) {
    s_.ImageLeft = static_cast<int16_t>(left);
    s_.ImageTop = static_cast<int16_t>(top);
    return *this;
  }
  SlideBuilder& Centered(bool centered = true) {
    s_.CenterImage = centered ? 1 : 0;
    return *this;
  }
  SlideBuilder& Background(uint32_t color) {
    s_.BackgroundColor = color;
    return *this;
  }
  SlideBuilder& Effect(uint8_t effect, int16_t boxWidth) {
    s_.Effect = effect;
    s_.BoxWidth = boxWidth;
    return *this;
  }
  SlideBuilder& Duration(DurationMode mode, int16_t seconds) {
    s_.DurationMode = mode;
    s_.ExtraSeconds = seconds;
    return *this;
  }
  // Plays the sound at `path`; an empty path leaves the slide silent.
  SlideBuilder& Sound(std::string_view path) {
    if (path.empty()) return *this;
    s_.PlaySound = 1;
    s_.SoundFolder = FolderOf(path);
    s_.SoundName = FileNameOf(path);
    return *this;
  }
  SlideBuilder& Motion(MotionKind kind, uint8_t strength, MotionEase ease) {
    s_.Motion.kind = kind;
    s_.Motion.strength = strength;
    s_.Motion.ease = ease;
    return *this;
  }
  SlideBuilder& Smooth(SmoothEffect effect) {
    s_.Smooth = effect;
    return *this;
  }
  SlideBuilder& Thumbnail(Bitmap thumbnail) {
    s_.Thumbnail = std::move(thumbnail);
    return *this;
  }
  SlideRecord Build() const { return s_; }

 private:
  SlideRecord s_;
};

}  // namespace lrw::test
