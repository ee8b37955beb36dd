// The production message boxes: QMessageBox and QApplication::beep.
#pragma once

#include "platform/Prompts.h"

class QString;
class QWidget;

namespace lrw {

class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void Beep(BeepKind kind) override;
  PromptAnswer Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                   PromptButtons buttons, PromptAnswer defaultButton) override;
  PromptAnswer AskMarked(const MarkedText& text, const std::string& caption, PromptIcon icon,
                         PromptButtons buttons, PromptAnswer defaultButton) override;

 private:
  PromptAnswer Show(const QString& text, const std::string& caption, PromptIcon icon,
                    PromptButtons buttons, PromptAnswer defaultButton);

  QWidget* parent_;
};

}  // namespace lrw
