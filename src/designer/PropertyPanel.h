// The property panel of the designer: transition and speed, centring, background,
// caption, sound, duration and "&Arrange Slide". It shows the selected slides (a
// setting in which they differ is shown mixed) and turns what the user does into the
// editor's commands; it never writes a slide itself.
#pragma once

#include <QWidget>
#include <vector>

#include "designer/ShowEditor.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace lrw {

class ColorSwatch;
class PictureControls;
class SecondsSpinBox;

class PropertyPanel : public QWidget, private EditorListener {
  Q_OBJECT

 public:
  PropertyPanel(ShowEditor& editor, QWidget* parent);
  ~PropertyPanel() override;

  // Puts the panel's group boxes at `top` of the window's client area (their tops are
  // `top`; "&Arrange Slide" goes to twice `top` plus 8), as wide as the client area.
  void PlaceAt(int top, int clientWidth);
  // The bottom of the lowest group box, in the panel's coordinates.
  int ContentHeight() const;

 protected:
  // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y in the panel's controls are the show's Undo and Redo,
  // not a text box's own.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectionChanged() override;
  void CommandStatesChanged() override;

  void BuildControls();
  void BuildTransitionGroup();
  void BuildEffectList();
  void BuildSpeedControls();
  void BuildBackgroundGroup();
  void BuildCaptionGroup();
  void BuildSoundGroup();
  void BuildDurationGroup();
  void BuildArrangeButton();
  void Connect();
  // Shows the selected slides' settings; with none selected the values stay, unless
  // the slides they belong to are gone.
  void Reload();
  void ShowValues(const std::vector<int>& selected);
  void UpdateStates();
  void ClearValues();
  void Run(EditorCommand&& command);

  ShowEditor& editor_;
  QGroupBox* transitionGroup_ = nullptr;
  QComboBox* effectList_ = nullptr;
  QLabel* speedLabel_ = nullptr;
  QSlider* speedSlider_ = nullptr;
  QLabel* slowerLabel_ = nullptr;
  QLabel* fasterLabel_ = nullptr;
  QPushButton* showTransitionButton_ = nullptr;
  QCheckBox* centerCheck_ = nullptr;
  QGroupBox* backgroundGroup_ = nullptr;
  QPushButton* backgroundButton_ = nullptr;
  ColorSwatch* backgroundSwatch_ = nullptr;
  QGroupBox* captionGroup_ = nullptr;
  QCheckBox* showCaptionCheck_ = nullptr;
  QPushButton* editCaptionButton_ = nullptr;
  QGroupBox* soundGroup_ = nullptr;
  QCheckBox* playSoundCheck_ = nullptr;
  QLabel* soundNameLabel_ = nullptr;
  QPushButton* playSoundButton_ = nullptr;
  QPushButton* changeSoundButton_ = nullptr;
  QGroupBox* durationGroup_ = nullptr;
  QButtonGroup* durationButtons_ = nullptr;
  QRadioButton* enterPressedRadio_ = nullptr;
  QRadioButton* soundEndedRadio_ = nullptr;
  QRadioButton* timeElapsedRadio_ = nullptr;
  SecondsSpinBox* secondsBox_ = nullptr;
  // The seconds box's own text is being stored: it is not written back under the
  // user's fingers.
  bool storingSeconds_ = false;
  QLabel* secondsLabel_ = nullptr;
  QPushButton* arrangeButton_ = nullptr;
  PictureControls* pictureControls_ = nullptr;
  int top_ = 0;
  std::vector<SlideId> shown_;  // the slides whose values the controls show
};

}  // namespace lrw
