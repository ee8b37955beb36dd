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

  void ChooseTargetFile();
  // Takes the options only when they can be used; otherwise says why and stays open.
  void accept() override;

  // The controls, for tests that type and click.
  QLineEdit* FileEdit() const { return fileEdit_; }
  QPushButton* BrowseButton() const { return browseButton_; }
  QComboBox* PresetBox() const { return presetBox_; }
  QComboBox* SizeBox() const { return sizeBox_; }
  QComboBox* FpsBox() const { return fpsBox_; }
  QSpinBox* BitrateBox() const { return bitrateBox_; }
  QSpinBox* EnterSecondsBox() const { return enterSecondsBox_; }
  QPushButton* OkButton() const { return okButton_; }

 private:
  void ApplyPreset(int index);
  void ChoiceChanged();

  Dialogs& dialogs_;
  Prompts& prompts_;
  std::optional<int> quality_;  // the preset's
  bool applying_ = false;
  QLineEdit* fileEdit_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QComboBox* presetBox_ = nullptr;
  QComboBox* sizeBox_ = nullptr;
  QComboBox* fpsBox_ = nullptr;
  QComboBox* codecBox_ = nullptr;
  QSpinBox* bitrateBox_ = nullptr;  // 0: constant quality
  QSpinBox* enterSecondsBox_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace lrw
