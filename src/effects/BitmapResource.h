// Bitmaps stored in the program's own resources. Like a Windows bitmap resource, each holds a
// device-independent bitmap without the 14-byte file header; the loader puts the header back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/Bitmap.h"

namespace lrw {

// The BMP file image of a resource: a file header ("BM", file size = 14 + resource size, reserved
// 0, pixel data offset = 14 + the header and colour table sizes) followed by `dib`. Empty when
// `dib` is too short to hold its own header.
std::vector<uint8_t> BitmapFileFromResource(std::span<const uint8_t> dib);

// Decodes the bitmap resource `name` (for example "TRANSPREVIEW1") into a new bitmap; nothing
// when there is no such resource or it cannot be decoded.
std::optional<Bitmap> LoadBitmapResource(const std::string& name);

}  // namespace lrw
