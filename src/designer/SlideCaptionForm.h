// The caption text editor: a modal dialog in which a slide's caption is typed
// and its font and box colour are picked, shown as the caption will look.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CaptionFontRecord.h"

class QPlainTextEdit;
class QPushButton;

namespace lrw {

class Dialogs;
class Prompts;
struct SlideRecord;

// Sizes are points at 96 pixels per inch, as the player draws captions.
QFont QFontFromCaptionFont(const CaptionFontRecord& font);
// The font part of a QFont; the colour is left to the caller.
CaptionFontRecord CaptionFontFromQFont(const QFont& font);

class SlideCaptionForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 2003;

  SlideCaptionForm(Dialogs& dialogs, Prompts& prompts, QWidget* parent = nullptr);

  // Each line becomes a line of the text area; the caret goes to the very end.
  void SetCaptionLines(const QStringList& lines);
  // The text area's lines as it shows them: every soft and hard line end starts a
  // new line, so joining them gives back the typed text. Empty text gives no lines.
  QStringList CaptionLines() const;

  // The caption font as stored; the text area shows it.
  void SetCaptionFont(const CaptionFontRecord& font);
  const CaptionFontRecord& CaptionFont() const { return font_; }
  QColor CaptionFontColor() const;  // as shown

  // A record colour; the text area's background shows it.
  void SetBackColor(uint32_t color);
  uint32_t BackColor() const { return backColor_; }
  QColor ShownBackColor() const;

  // The font and background colour buttons' dialogs.
  void ChooseFont();
  void ChooseBackColor();

  // The text area and the buttons, for tests that type and click.
  QPlainTextEdit* TextEdit() const { return textEdit_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }
  QPushButton* FontButton() const { return fontButton_; }
  QPushButton* BackColorButton() const { return backColorButton_; }

 private:
  void ShowFont();

  Dialogs& dialogs_;
  QPlainTextEdit* textEdit_ = nullptr;      // "Memo1"
  QPushButton* okButton_ = nullptr;         // "BitBtn1"
  QPushButton* cancelButton_ = nullptr;     // "BitBtn2"
  QPushButton* fontButton_ = nullptr;       // "BitBtn3"
  QPushButton* backColorButton_ = nullptr;  // "BitBtn4"
  CaptionFontRecord font_;
  uint32_t backColor_ = 0xFFFFFF;
};

// Runs the caption editor over `parent` on the three values, which are overwritten only
// when the user leaves with OK (true). A font or colour left unchanged keeps its stored
// value, so a face shown through a substitute and a system colour stay as they were.
bool EditCaptionInDialog(Dialogs& dialogs, Prompts& prompts, QWidget* parent,
                         std::vector<std::string>& lines, CaptionFontRecord& font,
                         uint32_t& backColor);

}  // namespace lrw
