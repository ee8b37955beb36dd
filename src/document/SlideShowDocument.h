// The one show the designer edits: the ordered slides, the file it belongs to,
// the loop flag and whether there are unsaved changes.
#pragma once

#include <string>
#include <vector>

#include "document/SlideRecord.h"

namespace lrw {

class SlideShowDocument {
 public:
  std::vector<SlideRecord> Slides;
  std::string FileName;  // UTF-8 path of the show file; empty for a show without a file
  bool Loop = false;
  bool Modified = false;

  // Releases every slide and clears Modified.
  void ReleaseSlides();
  // Inserts at index (0 = before the first slide; clamped to the ends).
  void InsertSlide(int index, SlideRecord slide);
  // Index outside the show: nothing happens.
  void DeleteSlide(int index);
  void ExchangeSlides(int i, int j);
  SlideRecord& SlideAt(int index) { return Slides.at(static_cast<size_t>(index)); }
  const SlideRecord& SlideAt(int index) const { return Slides.at(static_cast<size_t>(index)); }
  int Count() const { return static_cast<int>(Slides.size()); }
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
  void MarkModified() { Modified = true; }

  // A blank slide copied from the slide at `current` (or the first-slide defaults
  // when there is none), inserted right after it; sets Modified. Returns its index.
  int NewBlankSlide(int current);
  // A copy of slide `index` with its own caption and thumbnail and without sound,
  // inserted right after it; sets Modified. Returns its index, or -1 for a bad index.
  int DuplicateSlide(int index);

  // The slide a new slide starts from: a copy of slide `current`, or the defaults.
  SlideRecord TemplateFor(int current) const;
};

// The blank slide made from a template (its settings kept, its content cleared).
SlideRecord MakeBlankSlide(SlideRecord from);

}  // namespace lrw
