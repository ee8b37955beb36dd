// What importing one picture gave: the slide, or why there is none. A file outside the
// picture format table has no slide and no message (it is passed over silently).
#pragma once

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
