// The duration seconds box. Unlike a plain spin box it keeps any number typed
// (up to three characters) until it loses the focus or Enter is pressed, and only then
// pulls a value outside its range to the nearer bound.
#pragma once

#include <QSpinBox>
#include <functional>
#include <utility>

namespace lrw {

class SecondsSpinBox : public QSpinBox {
  Q_OBJECT

 public:
  explicit SecondsSpinBox(QWidget* parent = nullptr);

  // The text read as a whole number, or 0 when it is not one; not limited to the range.
  int TypedValue() const;
  static int ParseSeconds(const QString& text);

  // Called for every key the box refuses.
  void SetRefusedKeyHandler(std::function<void()> handler) { refusedKey_ = std::move(handler); }

  QValidator::State validate(QString& input, int& pos) const override;
  void stepBy(int steps) override;

 signals:
  // Every change of the text, by typing, by the arrows or by the clamping on focus loss.
  void SecondsTextChanged(const QString& text);

 protected:
  int valueFromText(const QString& text) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool AllowedCharacter(QChar c) const;
  // A number outside the range becomes the nearer bound, announced as a typed change.
  void ClampTypedText();

  std::function<void()> refusedKey_;
};

}  // namespace lrw
