// Building shows for the designer's window tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "document/SlideRecord.h"

namespace lrw {
class TSlideshowDesignForm;
}

namespace lrw::test {

// A picture slide with a w x h thumbnail filled with `pixel` (0xFFRRGGBB).
SlideRecord PictureSlide(const std::string& name, int w = 60, int h = 45,
                         uint32_t pixel = 0xFF3070C0u, const std::string& folder = "/Pics/");
// A blank slide with the given background (0x00BBGGRR).
SlideRecord BlankSlide(uint32_t background);

// Replaces the form's show by `slides`, unmodified, with nothing selected.
void LoadShow(TSlideshowDesignForm& form, std::vector<SlideRecord> slides);

// Selects exactly `indices` (the first becomes current) as a click would, and
// loads the panel.
void SelectSlides(TSlideshowDesignForm& form, std::initializer_list<int> indices);

// The picture names of the show in order, and the strip's texts in order.
std::vector<std::string> SlideNames(const TSlideshowDesignForm& form);
std::vector<std::string> StripTexts(const TSlideshowDesignForm& form);
std::vector<int> SelectedIndices(const TSlideshowDesignForm& form);

}  // namespace lrw::test
