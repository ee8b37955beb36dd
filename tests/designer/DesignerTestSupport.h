// Building shows for the designer's window tests and tools: slides, and show files
// written as the designer writes them (the windows open them through their own path).
#pragma once

#include <QPalette>
#include <cstdint>
#include <string>
#include <vector>

#include "document/SlideRecord.h"

namespace lrw {
class SlideshowDesignForm;
namespace test {
struct FakeServices;

// A picture slide with a w x h thumbnail filled with `pixel` (0xFFRRGGBB).
SlideRecord PictureSlide(const std::string& name, int w = 60, int h = 45,
                         uint32_t pixel = 0xFF3070C0u, const std::string& folder = "/Pics/");
// A blank slide with the given background (0x00BBGGRR).
SlideRecord BlankSlide(uint32_t background);

// Writes the slides as a local show file; false when it could not be written.
bool WriteShow(const std::string& path, std::vector<SlideRecord> slides, bool loop = false);

// Shows the designer, waits until it is the active window, and opens the show with
// File > Open as a user does; false when the window never became active.
bool ShowAndOpen(SlideshowDesignForm& form, FakeServices& fakes, const std::string& show);

// A dark desktop theme's palette: light text on dark windows, a blue highlight.
QPalette DarkPalette();

}  // namespace test
}  // namespace lrw
