// The keys of `showtool set` for the picture: fit, motion and its framings, and the
// smooth transitions.
#pragma once

#include <string>

#include "base/Result.h"
#include "document/SlideRecord.h"

namespace lrw::showtool {

struct PictureKeyContext {
  // The screen `fit=` places pictures on; `screen=WxH` changes it.
  int screenWidth = 1024;
  int screenHeight = 768;
};

// Applies KEY=VALUE when the key is one of these; fails with NotHandled when it is not.
Result<void> ApplyPictureKey(SlideRecord& slide, const std::string& key, const std::string& value,
                             PictureKeyContext& context);

// The motion and the smooth transition as `dump` shows them (JSON members with a leading
// comma, empty for a slide without them).
std::string PictureKeysDump(const SlideRecord& slide);

inline constexpr const char* kPictureKeysUsage =
    "        fit=own|fit|fill (on the screen=WxH given before it, default 1024x768)\n"
    "        motion=none|zoom-in|zoom-out|pan-left|pan-right|pan-up|pan-down|auto|custom\n"
    "        strength=0..100 ease=linear|smooth start=X,Y,W,H end=X,Y,W,H (custom,\n"
    "        in picture pixels) transition=none|crossfade|fade-black|fade-white|\n"
    "        push-left|push-right|push-up|push-down|cover|uncover|wipe-left|wipe-right|\n"
    "        wipe-up|wipe-down|zoom-in|zoom-out|iris\n";

}  // namespace lrw::showtool
