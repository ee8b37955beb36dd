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

  QListWidget* List = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* RemoveButton = nullptr;
  QPushButton* UpButton = nullptr;
  QPushButton* DownButton = nullptr;
  QSpinBox* VolumeBox = nullptr;
  QDoubleSpinBox* FadeInBox = nullptr;
  QDoubleSpinBox* FadeOutBox = nullptr;
  QCheckBox* LoopBox = nullptr;
  QLabel* LengthLabel = nullptr;
  QPushButton* PlayButton = nullptr;
  QPushButton* FitButton = nullptr;

 private:
  void AddClick();
  void Move(int by);
  void PlayClick();
  void StopPlaying();
  void Refresh();
  void AddTrack(const std::string& path);

  Dialogs& dialogs_;
  std::vector<SlideRecord> slides_;
  double showSeconds_ = 0;
  std::unique_ptr<ShowAudio> preview_;
  bool fit_ = false;
};

}  // namespace lrw
