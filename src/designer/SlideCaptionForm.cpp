#include "designer/SlideCaptionForm.h"

#include "designer/DesignerWidgets.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "document/Cp1252.h"
#include "document/SlideRecord.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"
#include "platform/Prompts.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"

namespace lrw {
namespace {

constexpr QChar kPilcrowChar(0x00B6);

// Whether every character can be stored in a record's 8-bit caption text.
bool WritableInCaption(const QString& text) {
  for (const char32_t cp : text.toUcs4()) {
    if (cp == '\n' || cp == '\t') continue;
    if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) return false;  // control characters
    if (!CodePointToCp1252(cp)) return false;
  }
  return true;
}

// The caption text area. Enter leaves a pilcrow at the end of the line it ends;
// characters that an 8-bit caption cannot hold are refused with a beep.
class CaptionMemo : public QPlainTextEdit {
 public:
  CaptionMemo(Prompts& prompts, QWidget* parent) : QPlainTextEdit(parent), prompts_(prompts) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      InsertLineBreakMark();
      // Always a plain paragraph end, so that every line end is a line of the caption.
      QKeyEvent plain(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
      QPlainTextEdit::keyPressEvent(&plain);
      event->accept();
      return;
    }
    const QString text = event->text();
    const bool typesText = !text.isEmpty() && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (typesText && !WritableInCaption(text)) {
      prompts_.Beep(BeepKind::Default);
      event->accept();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  void inputMethodEvent(QInputMethodEvent* event) override {
    if (!WritableInCaption(event->commitString())) {
      prompts_.Beep(BeepKind::Default);
      QInputMethodEvent dropped(event->preeditString(), event->attributes());
      QPlainTextEdit::inputMethodEvent(&dropped);
      event->accept();
      return;
    }
    QPlainTextEdit::inputMethodEvent(event);
  }

  bool canInsertFromMimeData(const QMimeData* source) const override { return source->hasText(); }

  void insertFromMimeData(const QMimeData* source) override {
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    if (!WritableInCaption(text)) {
      prompts_.Beep(BeepKind::Default);
      return;
    }
    insertPlainText(text);
  }

 private:
  // The pilcrow is the caption's only forced line break.
  void InsertLineBreakMark() { textCursor().insertText(QString(kPilcrowChar)); }

  Prompts& prompts_;
};

}  // namespace

QFont QFontFromCaptionFont(const CaptionFontRecord& font) {
  return MakeCaptionFont(font.Name, font.Size, font.Style);
}

CaptionFontRecord CaptionFontFromQFont(const QFont& font) {
  CaptionFontRecord c;
  c.Name = ToCp1252(font.family()).value_or(std::string());
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
  c.Size = static_cast<int16_t>(std::clamp<long>(std::lround(points), 1, 32767));
  if (font.bold()) c.Style |= FontStyle::Bold;
  if (font.italic()) c.Style |= FontStyle::Italic;
  if (font.underline()) c.Style |= FontStyle::Underline;
  if (font.strikeOut()) c.Style |= FontStyle::StrikeOut;
  return c;
}

SlideCaptionForm::SlideCaptionForm(Dialogs& dialogs, Prompts& prompts, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("SlideCaptionForm"));
  setWindowTitle(tr("Brightframework - Slide Caption"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  InstallHelpKey(this, kHelpContext);
  setFixedSize(663, 332);

  textEdit_ = new CaptionMemo(prompts, this);
  textEdit_->setObjectName(QStringLiteral("Memo1"));
  textEdit_->setGeometry(22, 16, 547, 265);
  textEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  textEdit_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  textEdit_->setTabChangesFocus(true);
  textEdit_->setAccessibleName(tr("Caption"));
  textEdit_->setAccessibleDescription(
      tr("The caption's text; Enter starts a new line, Tab leaves it"));

  okButton_ = new QPushButton(tr("OK"), this);
  okButton_->setObjectName(QStringLiteral("BitBtn1"));
  okButton_->setGeometry(145, 288, 66, 25);
  okButton_->setDefault(true);
  okButton_->setAutoDefault(false);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  cancelButton_ = new QPushButton(tr("Cancel"), this);
  cancelButton_->setObjectName(QStringLiteral("BitBtn2"));
  cancelButton_->setGeometry(232, 288, 68, 25);
  cancelButton_->setAutoDefault(false);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  fontButton_ = new QPushButton(this);
  fontButton_->setObjectName(QStringLiteral("BitBtn3"));
  fontButton_->setGeometry(596, 24, 33, 33);
  fontButton_->setIcon(QIcon(QStringLiteral(":/icons/font.svg")));
  fontButton_->setIconSize(QSize(24, 24));
  fontButton_->setToolTip(tr("Font"));
  fontButton_->setAutoDefault(false);
  fontButton_->setAccessibleName(tr("Caption font"));
  connect(fontButton_, &QPushButton::clicked, this, &SlideCaptionForm::ChooseFont);

  backColorButton_ = new QPushButton(this);
  backColorButton_->setObjectName(QStringLiteral("BitBtn4"));
  backColorButton_->setGeometry(596, 64, 33, 33);
  backColorButton_->setIcon(QIcon(QStringLiteral(":/icons/color.svg")));
  backColorButton_->setIconSize(QSize(24, 24));
  backColorButton_->setToolTip(tr("Background color"));
  backColorButton_->setAutoDefault(false);
  backColorButton_->setAccessibleName(tr("Caption background color"));
  connect(backColorButton_, &QPushButton::clicked, this, &SlideCaptionForm::ChooseBackColor);

  // Longer button texts of a translation or a larger font widen the dialog.
  setFixedSize(FitToContents(this).expandedTo(QSize(663, 332)));

  setTabOrder(textEdit_, okButton_);
  setTabOrder(okButton_, cancelButton_);
  setTabOrder(cancelButton_, fontButton_);
  setTabOrder(fontButton_, backColorButton_);
  textEdit_->setFocus();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
}

void SlideCaptionForm::SetCaptionLines(const QStringList& lines) {
  textEdit_->setPlainText(lines.join(QChar('\n')));
  textEdit_->moveCursor(QTextCursor::End);
}

QStringList SlideCaptionForm::CaptionLines() const {
  QStringList out;
  if (textEdit_->document()->isEmpty()) return out;
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(textEdit_->document()->documentLayout());
  for (QTextBlock block = textEdit_->document()->begin(); block.isValid(); block = block.next()) {
    if (layout) layout->ensureBlockLayout(block);
    const QString text = block.text();
    const QTextLayout* lines = block.layout();
    if (!lines || lines->lineCount() == 0) {
      out << text;
      continue;
    }
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      out << text.mid(line.textStart(), line.textLength());
    }
  }
  // A final line end adds no line of its own, as in the text the user sees.
  if (out.size() > 1 && out.back().isEmpty()) out.removeLast();
  return out;
}

void SlideCaptionForm::SetCaptionFont(const CaptionFontRecord& font) {
  font_ = font;
  ShowFont();
}

void SlideCaptionForm::ShowFont() {
  QFont shown = QFontFromCaptionFont(font_);
  shown.setPixelSize(std::max(1, PointsToPixels(font_.Size)));
  textEdit_->setFont(shown);
  QPalette p = textEdit_->palette();
  p.setColor(QPalette::Text, ColorFromRecord(font_.Color));
  textEdit_->setPalette(p);
}

QColor SlideCaptionForm::CaptionFontColor() const {
  return textEdit_->palette().color(QPalette::Text);
}

void SlideCaptionForm::SetBackColor(uint32_t color) {
  backColor_ = color;
  QPalette p = textEdit_->palette();
  p.setColor(QPalette::Base, ColorFromRecord(color));
  textEdit_->setPalette(p);
}

QColor SlideCaptionForm::ShownBackColor() const {
  return textEdit_->palette().color(QPalette::Base);
}

void SlideCaptionForm::ChooseFont() {
  // The dialog speaks points; the text area shows them at 96 pixels per inch.
  QFont preset = textEdit_->font();
  preset.setPointSize(std::max<int>(1, font_.Size));
  const QColor shownColor = CaptionFontColor();
  QColor chosenColor = shownColor;
  const std::optional<QFont> chosen = dialogs_.ChooseFont(this, preset, shownColor, &chosenColor);
  if (!chosen) return;
  // Only what the user changed is written back: a face that is only shown through a
  // substitute keeps its stored name, a system colour stays one.
  const CaptionFontRecord was = CaptionFontFromQFont(preset);
  const CaptionFontRecord now = CaptionFontFromQFont(*chosen);
  if (QFontInfo(*chosen).family() != QFontInfo(preset).family() && !now.Name.empty())
    font_.Name = now.Name;
  if (now.Style != was.Style) font_.Style = now.Style;
  if (now.Size != was.Size) font_.Size = now.Size;
  if (chosenColor.isValid() && chosenColor != shownColor)
    font_.Color = RecordFromColor(chosenColor);
  ShowFont();
}

void SlideCaptionForm::ChooseBackColor() {
  const QColor shown = ShownBackColor();
  const std::optional<QColor> color = dialogs_.ChooseColor(this, shown);
  if (color && color->isValid() && *color != shown) SetBackColor(RecordFromColor(*color));
}

bool EditCaptionInDialog(Dialogs& dialogs, Prompts& prompts, QWidget* parent,
                         std::vector<std::string>& lines, CaptionFontRecord& font,
                         uint32_t& backColor) {
  SlideCaptionForm editor(dialogs, prompts, parent);
  QStringList shown;
  for (const std::string& line : lines) shown << FromCp1252(line);
  editor.SetCaptionLines(shown);
  editor.SetCaptionFont(font);
  editor.SetBackColor(backColor);
  if (editor.exec() != QDialog::Accepted) return false;
  std::vector<std::string> edited;
  for (const QString& line : editor.CaptionLines()) {
    // The text area only admits characters the record can hold.
    edited.push_back(ToCp1252(line).value_or(std::string()));
  }
  lines = std::move(edited);
  font = editor.CaptionFont();
  backColor = editor.BackColor();
  return true;
}

}  // namespace lrw
