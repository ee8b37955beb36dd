// The options of File > "E&xport as Video...": the file (its extension picks the format), the
// picture size, the frame rate and how long slides that wait for Enter stay.
#pragma once

#include <QDialog>
#include <QString>

#include "export/ExportOptions.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lrw {

class Dialogs;
class Prompts;

class ExportVideoDialog : public QDialog {
  Q_OBJECT

 public:
  ExportVideoDialog(Dialogs& dialogs, Prompts& prompts, QWidget* parent = nullptr);

  void SetFileName(const QString& fileName);
  // The file as typed, absolute; ".mp4" is added to a name without an extension.
  QString FileName() const;
  ExportOptions Options() const;

  void BrowseClick();
  // Takes the options only when they can be used; otherwise says why and stays open.
  void accept() override;

  QLineEdit* FileEdit = nullptr;
  QPushButton* BrowseButton = nullptr;
  QComboBox* SizeBox = nullptr;
  QSpinBox* FpsBox = nullptr;
  QSpinBox* EnterSecondsBox = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

 private:
  Dialogs& dialogs_;
  Prompts& prompts_;
};

}  // namespace lrw
