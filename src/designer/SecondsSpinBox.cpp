#include "designer/SecondsSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace lrw {

SecondsSpinBox::SecondsSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(0, 120);
  setSingleStep(1);
  lineEdit()->setMaxLength(3);
  // The spin box's own textChanged only fires when the bounded value changes;
  // the line edit's fires for every edit. Re-emitting it from this object lets a
  // QSignalBlocker on the box silence it while the panel is being loaded.
  connect(lineEdit(), &QLineEdit::textChanged, this,
          [this](const QString& text) { emit SecondsTextChanged(text); });
}

int SecondsSpinBox::ParseSeconds(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  return ok ? v : 0;
}

int SecondsSpinBox::TypedValue() const {
  return ParseSeconds(text());
}

bool SecondsSpinBox::AllowedCharacter(QChar c) const {
  if (c.isDigit()) return c.unicode() < 0x80;
  if (c == QChar('+') || c == QChar('-')) return true;
  return QString(c) == locale().decimalPoint();
}

QValidator::State SecondsSpinBox::validate(QString& input, int&) const {
  if (input.size() > 3) return QValidator::Invalid;
  for (const QChar c : input) {
    if (!AllowedCharacter(c)) return QValidator::Invalid;
  }
  return QValidator::Acceptable;
}

int SecondsSpinBox::valueFromText(const QString& text) const {
  return ParseSeconds(text);
}

void SecondsSpinBox::stepBy(int steps) {
  // Stepping updates the text with the line edit's signals blocked, so tell the
  // listeners here.
  const QString before = text();
  QSpinBox::stepBy(steps);
  if (text() != before) emit SecondsTextChanged(text());
}

void SecondsSpinBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // The box would show the bounded number without telling anyone; what is shown is
    // what is stored, also when the text has not changed since the slide last changed.
    ClampTypedText();
    // An empty box (slides that differ) stores nothing.
    if (!text().trimmed().isEmpty()) emit SecondsTextChanged(text());
  }
  const QString t = event->text();
  const bool typesText = !t.isEmpty() && t.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
  if (typesText && !AllowedCharacter(t.at(0))) {
    if (refusedKey_) refusedKey_();
    event->accept();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

void SecondsSpinBox::ClampTypedText() {
  bool ok = false;
  const int typed = text().trimmed().toInt(&ok, 10);
  if (ok && (typed < minimum() || typed > maximum())) {
    const int bounded = std::clamp(typed, minimum(), maximum());
    // Through the line edit, so that the change is announced like a typed one.
    lineEdit()->setText(QString::number(bounded));
  }
}

void SecondsSpinBox::focusOutEvent(QFocusEvent* event) {
  ClampTypedText();
  QSpinBox::focusOutEvent(event);
}

}  // namespace lrw
