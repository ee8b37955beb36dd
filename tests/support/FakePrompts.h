// Fake message boxes: they record what was asked and give scripted answers.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompts.h"

namespace lrw::test {

class FakePrompts : public Prompts {
 public:
  struct Question {
    std::string text;
    std::string caption;
    PromptIcon icon;
    PromptButtons buttons;
    PromptAnswer defaultButton;
  };

  std::vector<BeepKind> beeps;
  std::vector<Question> asked;
  // Answers given in order; when none is left the default button answers.
  std::deque<PromptAnswer> answers;

  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  PromptAnswer Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                   PromptButtons buttons, PromptAnswer defaultButton) override {
    asked.push_back({text, caption, icon, buttons, defaultButton});
    if (answers.empty()) return defaultButton;
    const PromptAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace lrw::test
