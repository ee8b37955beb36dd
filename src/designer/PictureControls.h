// The panel's picture controls: "Fit" and "Fill" beside "Center image on screen", and
// the "Motion" group (the picture's slow zoom or pan while the slide is on screen). They
// show the selected slides and turn what the user does into the editor's commands.
#pragma once

#include <QObject>

#include "designer/ShowEditor.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace lrw {

class PictureControls : public QObject, private EditorListener {
  Q_OBJECT

 public:
  // The buttons go into `transitionGroup`, the motion group into `panel`.
  PictureControls(ShowEditor& editor, QWidget* panel, QWidget* transitionGroup);
  ~PictureControls() override;

  QGroupBox* MotionGroup() const { return motionGroup_; }

 private:
  void SelectionChanged() override { Reload(); }
  void CommandStatesChanged() override { Reload(); }
  void Reload();
  void Run(EditorCommand&& command);

  ShowEditor& editor_;
  QPushButton* fitButton_ = nullptr;
  QPushButton* fillButton_ = nullptr;
  QGroupBox* motionGroup_ = nullptr;
  QComboBox* motionList_ = nullptr;
  QLabel* strengthLabel_ = nullptr;
  QLabel* easeLabel_ = nullptr;
  QSlider* strengthSlider_ = nullptr;
  QComboBox* easeList_ = nullptr;
  QLabel* lengthLabel_ = nullptr;  // a smooth transition's length, beside the speed
};

}  // namespace lrw
