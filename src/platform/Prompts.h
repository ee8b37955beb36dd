// Message boxes and beeps, behind an interface so that tests can answer them.
// Qt-free: the core and media layers report through it too.
#pragma once

#include <string>

#include "document/TextMark.h"

namespace lrw {

enum class BeepKind { Default, Warning, Error, Question };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual void Beep(BeepKind kind) = 0;
  // Shows a modal message box; texts are UTF-8. Returns the button pressed
  // (closing the box answers Cancel, or No when there is no Cancel, or Ok).
  virtual PromptAnswer Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                           PromptButtons buttons, PromptAnswer defaultButton) = 0;

  // The same for a message the core composed: the windows show it in the user's
  // language by its wording; anything else answers as for its English text.
  virtual PromptAnswer AskMarked(const MarkedText& text, const std::string& caption,
                                 PromptIcon icon, PromptButtons buttons,
                                 PromptAnswer defaultButton) {
    return Ask(text.english, caption, icon, buttons, defaultButton);
  }

  // A message with an OK button.
  void Tell(const std::string& text, const std::string& caption, PromptIcon icon) {
    Ask(text, caption, icon, PromptButtons::Ok, PromptAnswer::Ok);
  }
  void TellMarked(const MarkedText& text, const std::string& caption, PromptIcon icon) {
    AskMarked(text, caption, icon, PromptButtons::Ok, PromptAnswer::Ok);
  }
};

}  // namespace lrw
