// The production common dialogs: file dialogs, the colour dialog and a font
// dialog that also picks the text colour.
#pragma once

#include <QDialog>

#include "platform/Dialogs.h"

class QAbstractButton;
class QButtonGroup;

namespace lrw {

// The colour dialog: the 48 basic colours with OK and Cancel. Colours are picked,
// never defined, so it has no custom colours and no colour mixer.
class BasicColorDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = 6;
  static constexpr int kColumns = 8;

  BasicColorDialog(const QColor& initial, QWidget* parent = nullptr);
  // The chosen basic colour, or the initial one while none is chosen.
  QColor color() const { return color_; }
  // The swatch of basic colour `index` (0 to 47), as the user clicks it.
  QAbstractButton* Swatch(int index) const;

 private:
  QColor color_;
  QButtonGroup* swatches_ = nullptr;
};

class QtDialogs : public Dialogs {
 public:
  std::optional<QString> OpenFile(QWidget* parent, const FileDialogOptions& o) override;
  std::optional<QStringList> OpenFiles(QWidget* parent, const FileDialogOptions& o) override;
  std::optional<QString> SaveFile(QWidget* parent, const FileDialogOptions& o) override;
  std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
  std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, const QColor& initialColor,
                                  QColor* chosenColor) override;
};

}  // namespace lrw
