// The options of File > "E&xport as Video...": the file (its extension picks the format), a
// preset, the picture size, the frame rate, the codec and how long slides that wait for Enter
// stay. A preset sets size, rate, codec and quality together; changing one of them after makes
// the choice the user's own again.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

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
  QComboBox* PresetBox = nullptr;
  QComboBox* SizeBox = nullptr;
  QComboBox* FpsBox = nullptr;
  QComboBox* CodecBox = nullptr;
  QSpinBox* BitrateBox = nullptr;  // 0: constant quality
  QSpinBox* EnterSecondsBox = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

 private:
  void ApplyPreset(int index);
  void ChoiceChanged();

  Dialogs& dialogs_;
  Prompts& prompts_;
  std::optional<int> quality_;  // the preset's
  bool applying_ = false;
};

}  // namespace lrw
