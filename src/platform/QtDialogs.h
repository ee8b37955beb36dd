// The production common dialogs: file dialogs, the colour dialog and a font
// dialog that also picks the text colour.
#pragma once

#include "platform/Dialogs.h"

namespace lrw {

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
