// "&Music...": the show's soundtrack. The list of files in playing order (Add, Remove, Up,
// Down), the volume, the fades, whether the list loops on its own, the music's length
// against the show's, Play to hear it as the show will, and "Fit the Show to the Music".
// It works on a copy; the editor takes the result as one step.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "document/ShowMusic.h"
#include "document/SlideRecord.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace lrw {

class Dialogs;
class ShowAudio;

class MusicDialog : public QDialog {
  Q_OBJECT

 public:
  MusicDialog(Dialogs& dialogs, const ShowMusic& music, std::vector<SlideRecord> slides,
              QWidget* parent = nullptr);
  ~MusicDialog() override;

  ShowMusic Music() const;
  // The dialog was closed with "Fit the Show to the Music".
  bool FitRequested() const { return fit_; }

  // The controls, for tests that type and click.
  QListWidget* List() const { return list_; }
  QPushButton* AddButton() const { return addButton_; }
  QPushButton* RemoveButton() const { return removeButton_; }
  QPushButton* UpButton() const { return upButton_; }
  QSpinBox* VolumeBox() const { return volumeBox_; }
  QDoubleSpinBox* FadeOutBox() const { return fadeOutBox_; }
  QLabel* LengthLabel() const { return lengthLabel_; }
  QPushButton* PlayButton() const { return playButton_; }
  QPushButton* FitButton() const { return fitButton_; }

 private:
  void AddTracks();
  void Move(int by);
  void PlayOrStop();
  void StopPlaying();
  void Refresh();
  void AddTrack(const std::string& path);

  Dialogs& dialogs_;
  std::vector<SlideRecord> slides_;
  double showSeconds_ = 0;
  std::unique_ptr<ShowAudio> preview_;
  bool fit_ = false;
  QListWidget* list_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* removeButton_ = nullptr;
  QPushButton* upButton_ = nullptr;
  QPushButton* downButton_ = nullptr;
  QSpinBox* volumeBox_ = nullptr;
  QDoubleSpinBox* fadeInBox_ = nullptr;
  QDoubleSpinBox* fadeOutBox_ = nullptr;
  QCheckBox* loopBox_ = nullptr;
  QLabel* lengthLabel_ = nullptr;
  QPushButton* playButton_ = nullptr;
  QPushButton* fitButton_ = nullptr;
};

}  // namespace lrw
