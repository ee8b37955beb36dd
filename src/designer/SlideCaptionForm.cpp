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
      Memo1KeyDown();
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
  void Memo1KeyDown() { textCursor().insertText(QString(kPilcrowChar)); }

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
  c.Style = static_cast<uint8_t>((font.bold() ? kBold : 0) | (font.italic() ? kItalic : 0) |
                                 (font.underline() ? kUnderline : 0) |
                                 (font.strikeOut() ? kStrikeOut : 0));
  return c;
}

TSlideCaptionForm::TSlideCaptionForm(Dialogs& dialogs, Prompts& prompts, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("SlideCaptionForm"));
  setWindowTitle(tr("Brightframework - Slide Caption"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  InstallHelpKey(this, HelpContext);
  setFixedSize(663, 332);

  auto* memo = new CaptionMemo(prompts, this);
  Memo1 = memo;
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(22, 16, 547, 265);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  Memo1->setTabChangesFocus(true);
  Memo1->setAccessibleName(tr("Caption"));
  Memo1->setAccessibleDescription(tr("The caption's text; Enter starts a new line, Tab leaves it"));

  BitBtn1 = new QPushButton(tr("OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(145, 288, 66, 25);
  BitBtn1->setDefault(true);
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  BitBtn2 = new QPushButton(tr("Cancel"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn2->setGeometry(232, 288, 68, 25);
  BitBtn2->setAutoDefault(false);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  BitBtn3 = new QPushButton(this);
  BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
  BitBtn3->setGeometry(596, 24, 33, 33);
  BitBtn3->setIcon(QIcon(QStringLiteral(":/icons/font.svg")));
  BitBtn3->setIconSize(QSize(24, 24));
  BitBtn3->setToolTip(tr("Font"));
  BitBtn3->setAutoDefault(false);
  BitBtn3->setAccessibleName(tr("Caption font"));
  connect(BitBtn3, &QPushButton::clicked, this, &TSlideCaptionForm::BitBtn3Click);

  BitBtn4 = new QPushButton(this);
  BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
  BitBtn4->setGeometry(596, 64, 33, 33);
  BitBtn4->setIcon(QIcon(QStringLiteral(":/icons/color.svg")));
  BitBtn4->setIconSize(QSize(24, 24));
  BitBtn4->setToolTip(tr("Background color"));
  BitBtn4->setAutoDefault(false);
  BitBtn4->setAccessibleName(tr("Caption background color"));
  connect(BitBtn4, &QPushButton::clicked, this, &TSlideCaptionForm::BitBtn4Click);

  // Longer button texts of a translation or a larger font widen the dialog.
  setFixedSize(FitToContents(this).expandedTo(QSize(663, 332)));

  setTabOrder(Memo1, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);
  setTabOrder(BitBtn2, BitBtn3);
  setTabOrder(BitBtn3, BitBtn4);
  Memo1->setFocus();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
}

void TSlideCaptionForm::SetCaptionLines(const QStringList& lines) {
  Memo1->setPlainText(lines.join(QChar('\n')));
  Memo1->moveCursor(QTextCursor::End);
}

QStringList TSlideCaptionForm::CaptionLines() const {
  QStringList out;
  if (Memo1->document()->isEmpty()) return out;
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(Memo1->document()->documentLayout());
  for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next()) {
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

void TSlideCaptionForm::SetCaptionFont(const CaptionFontRecord& font) {
  font_ = font;
  ShowFont();
}

void TSlideCaptionForm::ShowFont() {
  QFont shown = QFontFromCaptionFont(font_);
  shown.setPixelSize(std::max(1, PointsToPixels(font_.Size)));
  Memo1->setFont(shown);
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Text, ColorFromRecord(font_.Color));
  Memo1->setPalette(p);
}

QColor TSlideCaptionForm::CaptionFontColor() const {
  return Memo1->palette().color(QPalette::Text);
}

void TSlideCaptionForm::SetBackColor(uint32_t color) {
  backColor_ = color;
  QPalette p = Memo1->palette();
  p.setColor(QPalette::Base, ColorFromRecord(color));
  Memo1->setPalette(p);
}

QColor TSlideCaptionForm::ShownBackColor() const {
  return Memo1->palette().color(QPalette::Base);
}

void TSlideCaptionForm::BitBtn3Click() {
  // The dialog speaks points; the text area shows them at 96 pixels per inch.
  QFont preset = Memo1->font();
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

void TSlideCaptionForm::BitBtn4Click() {
  const QColor shown = ShownBackColor();
  const std::optional<QColor> color = dialogs_.ChooseColor(this, shown);
  if (color && color->isValid() && *color != shown) SetBackColor(RecordFromColor(*color));
}

bool EditCaptionInDialog(Dialogs& dialogs, Prompts& prompts, QWidget* parent,
                         std::vector<std::string>& lines, CaptionFontRecord& font,
                         uint32_t& backColor) {
  TSlideCaptionForm editor(dialogs, prompts, parent);
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
