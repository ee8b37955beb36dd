// What importing one picture gave: the slide, or why there is none. A file outside the
// picture format table has no slide and no message (it is passed over silently).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "document/SlideRecord.h"
#include "platform/Prompts.h"

namespace lrw {

struct PictureImport {
  std::optional<SlideRecord> slide;
  std::string message;   // for the user; empty when there is nothing to tell
  bool refusal = false;  // a refusal (warning) rather than a decoding failure (error)
};

// Pictures being read on worker threads, handed out in the order they were given.
class PictureImports {
 public:
  virtual ~PictureImports() = default;
  virtual size_t Count() const = 0;
  // Whether every result has been taken.
  virtual bool Done() const = 0;
  // Whether the next result in order is there.
  virtual bool NextReady() const = 0;
  // The next result in order, waiting for it when it is not there yet.
  virtual PictureImport TakeNext() = 0;
};

// Tells the user why a picture was not added: the warning beep and a warning box for a
// refusal, the error beep and an error box for a decoding failure.
inline void TellImportProblem(Prompts& prompts, const PictureImport& import) {
  if (import.message.empty()) return;
  if (import.refusal) {
    prompts.Beep(BeepKind::Warning);
    prompts.Tell(import.message, "", PromptIcon::Warning);
  } else {
    prompts.Beep(BeepKind::Error);
    prompts.Tell(import.message, "Error", PromptIcon::Error);
  }
}

}  // namespace lrw
