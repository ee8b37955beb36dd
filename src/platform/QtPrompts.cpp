#include "platform/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "platform/CoreText.h"

namespace lrw {
namespace {

QMessageBox::StandardButton ToButton(PromptAnswer a) {
  switch (a) {
    case PromptAnswer::Yes:
      return QMessageBox::Yes;
    case PromptAnswer::No:
      return QMessageBox::No;
    case PromptAnswer::Cancel:
      return QMessageBox::Cancel;
    case PromptAnswer::Ok:
      break;
  }
  return QMessageBox::Ok;
}

}  // namespace

void QtPrompts::Beep(BeepKind) {
  QApplication::beep();
}

PromptAnswer QtPrompts::Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                            PromptButtons buttons, PromptAnswer defaultButton) {
  return Show(CoreMessage(text), caption, icon, buttons, defaultButton);
}

PromptAnswer QtPrompts::AskMarked(const MarkedText& text, const std::string& caption,
                                  PromptIcon icon, PromptButtons buttons,
                                  PromptAnswer defaultButton) {
  return Show(ShownText(text), caption, icon, buttons, defaultButton);
}

PromptAnswer QtPrompts::Show(const QString& text, const std::string& caption, PromptIcon icon,
                             PromptButtons buttons, PromptAnswer defaultButton) {
  QMessageBox box(parent_);
  box.setText(text);
  box.setWindowTitle(CoreMessage(caption.empty() ? std::string("Lanternreelworks") : caption));
  switch (icon) {
    case PromptIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case PromptIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case PromptIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case PromptIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case PromptIcon::None:
      break;
  }
  switch (buttons) {
    case PromptButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case PromptButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case PromptButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  box.setDefaultButton(ToButton(defaultButton));
  const int r = box.exec();
  switch (r) {
    case QMessageBox::Yes:
      return PromptAnswer::Yes;
    case QMessageBox::No:
      return PromptAnswer::No;
    case QMessageBox::Cancel:
      return PromptAnswer::Cancel;
    case QMessageBox::Ok:
      return PromptAnswer::Ok;
    default:
      break;
  }
  if (buttons == PromptButtons::YesNoCancel) return PromptAnswer::Cancel;
  return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
}

}  // namespace lrw
