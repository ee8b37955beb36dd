// What the commands share: every message and dialog they open makes the editor busy
// for as long as it is up, so that nothing else (the automation server, a drop) changes
// the show meanwhile.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "designer/ShowEditor.h"
#include "platform/Prompts.h"

namespace lrw {

inline PromptAnswer AskUser(ShowEditor& editor, const std::string& text, const std::string& caption,
                            PromptIcon icon, PromptButtons buttons, PromptAnswer defaultButton) {
  ShowEditor::BusyScope busy(editor, BusyReason::Modal);
  return editor.Services().prompts.Ask(text, caption, icon, buttons, defaultButton);
}

inline void TellUser(ShowEditor& editor, const std::string& text, const std::string& caption,
                     PromptIcon icon) {
  AskUser(editor, text, caption, icon, PromptButtons::Ok, PromptAnswer::Ok);
}

// The same for messages composed around names and numbers (document/TextMark.h).
inline PromptAnswer AskUser(ShowEditor& editor, const MarkedText& text, const std::string& caption,
                            PromptIcon icon, PromptButtons buttons, PromptAnswer defaultButton) {
  ShowEditor::BusyScope busy(editor, BusyReason::Modal);
  return editor.Services().prompts.AskMarked(text, caption, icon, buttons, defaultButton);
}

inline void TellUser(ShowEditor& editor, const MarkedText& text, const std::string& caption,
                     PromptIcon icon) {
  AskUser(editor, text, caption, icon, PromptButtons::Ok, PromptAnswer::Ok);
}

inline void Beep(ShowEditor& editor, BeepKind kind) {
  editor.Services().prompts.Beep(kind);
}

// Runs `dialog` (a call on the editor's dialogs) while the editor is busy.
template <typename Dialog>
auto WithDialog(ShowEditor& editor, Dialog&& dialog) {
  ShowEditor::BusyScope busy(editor, BusyReason::Modal);
  return dialog(editor.Services().dialogs);
}

// The caption "Lanternreelworks" of the file commands' messages.
inline constexpr const char* kMessageCaption = "Lanternreelworks";

}  // namespace lrw
