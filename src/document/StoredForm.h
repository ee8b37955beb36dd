// How a slide stood in the file it was read from. Saving writes each of its blocks as
// read while the slide's values in that block are unchanged, so that a show written by
// another program (its own padding and references, stale text after a shortened name, its
// own bitmap and caption encodings) is saved again byte for byte.
#pragma once

#include <memory>

namespace lrw {

struct StoredSlide;

// Held by a slide read from a file, shared by its copies. Where a slide came from does
// not make it another slide: any two compare equal, whatever they hold.
class StoredForm {
 public:
  StoredForm() = default;
  explicit StoredForm(std::shared_ptr<const StoredSlide> stored) : stored_(std::move(stored)) {}
  const StoredSlide* Get() const { return stored_.get(); }
  bool operator==(const StoredForm&) const { return true; }

 private:
  std::shared_ptr<const StoredSlide> stored_;
};

}  // namespace lrw
