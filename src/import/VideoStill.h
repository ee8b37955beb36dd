// The first frame of a video file's first video stream, through FFmpeg.
#pragma once

#include <cstddef>
#include <string>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw {

// The user's texts for the ways a video still can fail.
inline constexpr const char* kVideoOpenError = "Unable to open AVI file";
inline constexpr const char* kVideoNoStreamError = "Audio file--unsupported";
inline constexpr const char* kVideoFrameOpenError = "Error on frame open";
inline constexpr const char* kVideoBeginError = "Error on AVIBegin";
inline constexpr const char* kVideoNoFrameError =
    "The first frame of the AVI file cannot be decoded";

// The first frame at its own pixel size (sample aspect ignored), or one of the texts above.
Result<Bitmap> ReadVideoStill(const std::string& path);

}  // namespace lrw
