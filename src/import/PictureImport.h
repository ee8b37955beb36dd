// What importing one picture gave: the slide, or why there is none: a refusal
// (ErrorKind::Refused), a decoding failure (ErrorKind::Failed), or a file outside the
// picture format table (ErrorKind::NotHandled, no message: it is passed over silently).
#pragma once

#include <cstddef>
#include <string>

#include "base/Result.h"
#include "document/SlideRecord.h"
#include "platform/Prompts.h"

namespace lrw {

using PictureImport = Result<SlideRecord>;

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
inline void TellImportProblem(Prompts& prompts, const Error& problem) {
  if (problem.message.empty()) return;
  if (problem.kind == ErrorKind::Refused) {
    prompts.Beep(BeepKind::Warning);
    prompts.Tell(problem.message, "", PromptIcon::Warning);
  } else {
    prompts.Beep(BeepKind::Error);
    prompts.Tell(problem.message, "Error", PromptIcon::Error);
  }
}

}  // namespace lrw
