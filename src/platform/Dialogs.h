// The common dialogs (open, save, colour, font), behind an interface so that tests
// can answer them. Production code uses QtDialogs.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace lrw {

struct FileDialogOptions {
  QString title;          // empty: the toolkit's default title
  QString filter;         // "Text|*.ext|Text|*.ext" as the designer writes filters
  QString defaultSuffix;  // without the dot; empty: none
  QString directory;      // where the dialog opens
  QString fileName;       // preset file name
  bool overwritePrompt = false;
  int* chosenFilter = nullptr;  // when given, set to the index of the file type chosen
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Each returns nothing when the user cancels.
  virtual std::optional<QString> OpenFile(QWidget* parent, const FileDialogOptions& o) = 0;
  virtual std::optional<QStringList> OpenFiles(QWidget* parent, const FileDialogOptions& o) = 0;
  virtual std::optional<QString> SaveFile(QWidget* parent, const FileDialogOptions& o) = 0;
  virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
  virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial,
                                          const QColor& initialColor, QColor* chosenColor) = 0;
};

// "Text|*.a;*.b|Text2|*.c" (the designer's filter notation) to Qt's "Text (*.a *.b);;Text2 (*.c)".
QString QtFilterFromPipes(const QString& pipes);

}  // namespace lrw
