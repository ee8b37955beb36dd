#include "designer/PropertyPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "designer/ColorSwatch.h"
#include "designer/DesignerWidgets.h"
#include "designer/GrayableCheckBox.h"
#include "designer/PanelCommands.h"
#include "designer/PictureControls.h"
#include "designer/SecondsSpinBox.h"
#include "effects/EffectNames.h"
#include "effects/SmoothTransitions.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"

namespace lrw {
namespace {

// The effect list shows this many entries at a time and scrolls the rest.
constexpr int kVisibleEffects = 16;

void ShowCheck(QCheckBox* box, bool mixed, uint8_t value) {
  box->setCheckState(mixed ? Qt::PartiallyChecked : (value ? Qt::Checked : Qt::Unchecked));
}

}  // namespace

PropertyPanel::PropertyPanel(ShowEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("PropertyPanel"));
  BuildControls();
  Connect();
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
  editor_.AddListener(this);
  UpdateStates();
}

PropertyPanel::~PropertyPanel() {
  editor_.RemoveListener(this);
}

void PropertyPanel::BuildControls() {
  // Made in tab order: the order of creation is the keyboard's order through the panel.
  BuildTransitionGroup();
  BuildBackgroundGroup();
  BuildCaptionGroup();
  BuildSoundGroup();
  BuildDurationGroup();
  BuildArrangeButton();
  pictureControls_ = new PictureControls(editor_, this, transitionGroup_);
}

void PropertyPanel::BuildTransitionGroup() {
  transitionGroup_ =
      MakeGroup(this, "gbTransition", tr("&Transition and Position"), 6, 0, 209, 223);
  BuildEffectList();
  BuildSpeedControls();
  showTransitionButton_ = new QPushButton(QIcon(QStringLiteral(":/icons/show-me.svg")),
                                          tr("Show Me"), transitionGroup_);
  showTransitionButton_->setObjectName(QStringLiteral("btnShowTransition"));
  showTransitionButton_->setIconSize(QSize(20, 20));
  showTransitionButton_->setToolTip(tr("Demonstrate the transition"));
  showTransitionButton_->setGeometry(49, 140, 93, 31);
  showTransitionButton_->setAccessibleDescription(showTransitionButton_->toolTip());
  centerCheck_ = Place(new GrayableCheckBox(tr("Center image on screen"), transitionGroup_),
                       QStringLiteral("cbxCenter"), 35, 186);
}

void PropertyPanel::BuildEffectList() {
  effectList_ = new QComboBox(transitionGroup_);
  effectList_->setObjectName(QStringLiteral("cbTransition"));
  for (std::string_view name : EffectNames())
    effectList_->addItem(
        QCoreApplication::translate("lrw::EffectNames", std::string(name).c_str()));
  // The smooth transitions follow the 42 block effects.
  for (int n = 1; n <= kSmoothEffectCount; ++n) {
    const std::string_view name = SmoothEffectName(static_cast<SmoothEffect>(n));
    effectList_->addItem(
        QCoreApplication::translate("lrw::EffectNames", std::string(name).c_str()));
  }
  // A list of its own below the box, whatever the style would do with a long list.
  effectList_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  effectList_->setMaxVisibleItems(kVisibleEffects);
  effectList_->setGeometry(16, 30, 177, effectList_->sizeHint().height());
  effectList_->setAccessibleName(tr("Transition"));
  effectList_->setAccessibleDescription(tr("The effect that brings the selected slides on"));
}

void PropertyPanel::BuildSpeedControls() {
  speedLabel_ = MakeLabel(transitionGroup_, "lblBox_Width", tr("Speed"), 7, 68);
  speedSlider_ = new QSlider(Qt::Horizontal, transitionGroup_);
  speedSlider_->setObjectName(QStringLiteral("tbBox_Width"));
  speedSlider_->setRange(2, 10);
  speedSlider_->setPageStep(5);
  speedSlider_->setSingleStep(1);
  speedSlider_->setValue(2);
  speedSlider_->setTickPosition(QSlider::NoTicks);
  speedSlider_->setGeometry(4, 83, 196, 30);
  speedSlider_->setAccessibleName(tr("Speed"));
  speedSlider_->setAccessibleDescription(tr("From slower (left) to faster (right)"));
  speedLabel_->setBuddy(speedSlider_);
  // A very small font, in the desktop's text colour.
  QFont tiny = font();
  tiny.setPixelSize(9);
  slowerLabel_ = new QLabel(tr("Slower"), transitionGroup_);
  slowerLabel_->setObjectName(QStringLiteral("lblSlower"));
  fasterLabel_ = new QLabel(tr("Faster"), transitionGroup_);
  fasterLabel_->setObjectName(QStringLiteral("lblFaster"));
  for (QLabel* l : {slowerLabel_, fasterLabel_}) {
    l->setFont(tiny);
    l->adjustSize();
  }
  slowerLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  slowerLabel_->move(13, 112);
  fasterLabel_->move(161, 112);
}

void PropertyPanel::BuildBackgroundGroup() {
  backgroundGroup_ = MakeGroup(this, "gbBackground", tr("&Background"), 219, 0, 157, 56);
  backgroundButton_ = new QPushButton(tr("Change"), backgroundGroup_);
  backgroundButton_->setObjectName(QStringLiteral("btnBackground"));
  backgroundButton_->setGeometry(11, 19, 82, 25);
  backgroundButton_->setAccessibleName(tr("Change background colour"));
  backgroundSwatch_ = new ColorSwatch(backgroundGroup_);
  backgroundSwatch_->setObjectName(QStringLiteral("lbBackground"));
  backgroundSwatch_->SetColor(Qt::white);
  backgroundSwatch_->setGeometry(100, 20, 49, 22);
  backgroundSwatch_->SetAccessibleLabel(tr("Background colour"));
}

void PropertyPanel::BuildCaptionGroup() {
  captionGroup_ = MakeGroup(this, "gbCaption", tr("&Caption"), 219, 61, 157, 56);
  showCaptionCheck_ = Place(new GrayableCheckBox(tr("Show"), captionGroup_),
                            QStringLiteral("cbxShow_Caption"), 28, 20);
  editCaptionButton_ = new QPushButton(tr("Edit"), captionGroup_);
  editCaptionButton_->setObjectName(QStringLiteral("btnEdit_Caption"));
  editCaptionButton_->setGeometry(84, 16, 49, 25);
  showCaptionCheck_->setAccessibleName(tr("Show caption"));
  editCaptionButton_->setAccessibleName(tr("Edit caption"));
}

void PropertyPanel::BuildSoundGroup() {
  soundGroup_ = MakeGroup(this, "gbSound", tr("&Sound"), 219, 122, 157, 104);
  playSoundCheck_ = Place(new GrayableCheckBox(tr("Play a Sound"), soundGroup_),
                          QStringLiteral("cbxPlay_Sound"), 16, 15);
  soundNameLabel_ = new QLabel(soundGroup_);
  soundNameLabel_->setObjectName(QStringLiteral("lblSound_File_Name"));
  soundNameLabel_->setTextFormat(Qt::PlainText);
  soundNameLabel_->setGeometry(12, 43, 157 - 12 - 6, 16);
  playSoundButton_ = new QPushButton(tr("Play"), soundGroup_);
  playSoundButton_->setObjectName(QStringLiteral("btnPlay_Sound"));
  playSoundButton_->setGeometry(16, 71, 57, 26);
  changeSoundButton_ = new QPushButton(tr("Change"), soundGroup_);
  changeSoundButton_->setObjectName(QStringLiteral("btnChange_Sound"));
  changeSoundButton_->setGeometry(88, 71, 57, 26);
  soundNameLabel_->setAccessibleName(tr("Sound file"));
  playSoundButton_->setAccessibleName(tr("Play sound"));
  changeSoundButton_->setAccessibleName(tr("Change sound"));
}

void PropertyPanel::BuildDurationGroup() {
  durationGroup_ = MakeGroup(this, "gbDuration", tr("&Duration"), 380, 0, 185, 120);
  enterPressedRadio_ = Place(new QRadioButton(tr("Display until Enter is pressed"), durationGroup_),
                             QStringLiteral("rbEnterPressed"), 9, 16);
  soundEndedRadio_ = Place(new QRadioButton(tr("Display until sound ends plus..."), durationGroup_),
                           QStringLiteral("rbSoundEnded"), 9, 40);
  timeElapsedRadio_ = Place(new QRadioButton(tr("Display for specified time"), durationGroup_),
                            QStringLiteral("rbTimeElapsed"), 9, 64);
  durationButtons_ = new QButtonGroup(this);
  durationButtons_->addButton(enterPressedRadio_, ToUnderlying(DurationMode::EnterPressed));
  durationButtons_->addButton(soundEndedRadio_, ToUnderlying(DurationMode::SoundEnded));
  durationButtons_->addButton(timeElapsedRadio_, ToUnderlying(DurationMode::TimeElapsed));
  secondsBox_ = new SecondsSpinBox(durationGroup_);
  secondsBox_->setObjectName(QStringLiteral("seAdditional_Time"));
  secondsBox_->setRange(0, 120);
  secondsBox_->setValue(0);
  secondsBox_->setGeometry(36, 91, 49, 22);
  secondsLabel_ = MakeLabel(durationGroup_, "Label5", tr("... seconds"), 96, 98);
  secondsLabel_->setBuddy(secondsBox_);
  secondsBox_->setAccessibleName(tr("Seconds"));
  secondsBox_->setAccessibleDescription(
      tr("Seconds to show the slide, or to add after its sound (0 to 120)"));
}

void PropertyPanel::BuildArrangeButton() {
  arrangeButton_ =
      new QPushButton(QIcon(QStringLiteral(":/icons/arrange.svg")), tr("&Arrange Slide"), this);
  arrangeButton_->setObjectName(QStringLiteral("btnPreview"));
  arrangeButton_->setIconSize(QSize(18, 18));
  arrangeButton_->setToolTip(tr("Set image and caption placement"));
  arrangeButton_->setGeometry(405, 8, 134, 24);
  arrangeButton_->setAccessibleDescription(arrangeButton_->toolTip());
}

void PropertyPanel::Run(EditorCommand&& command) {
  editor_.Execute(command);
  // A command that did nothing (a cancelled dialog) leaves the controls showing what
  // the user did; the slides say otherwise.
  Reload();
}

void PropertyPanel::Connect() {
  // Only the user's changes: loading sets the controls with their signals blocked.
  connect(effectList_, &QComboBox::activated, this, [this](int index) {
    if (index >= 0) Run(SetEffectCommand(index));
  });
  connect(speedSlider_, &QSlider::valueChanged, this,
          [this](int value) { Run(SetSpeedCommand(value)); });
  connect(centerCheck_, &QCheckBox::clicked, this,
          [this](bool checked) { Run(SetCenterCommand(checked)); });
  connect(backgroundButton_, &QPushButton::clicked, this,
          [this] { Run(ChangeBackgroundCommand()); });
  connect(backgroundSwatch_, &ColorSwatch::Clicked, this,
          [this] { Run(ChangeBackgroundCommand()); });
  connect(showCaptionCheck_, &QCheckBox::clicked, this,
          [this](bool checked) { Run(ShowCaptionCommand(checked)); });
  connect(editCaptionButton_, &QPushButton::clicked, this, [this] { Run(EditCaptionCommand()); });
  connect(playSoundCheck_, &QCheckBox::clicked, this,
          [this](bool checked) { Run(PlaySoundCommand(checked)); });
  connect(changeSoundButton_, &QPushButton::clicked, this, [this] { Run(ChangeSoundCommand()); });
  connect(playSoundButton_, &QPushButton::clicked, this, [this] { Run(PreviewSoundCommand()); });
  connect(durationButtons_, &QButtonGroup::idClicked, this,
          [this](int id) { Run(SetDurationModeCommand(static_cast<DurationMode>(id))); });
  connect(secondsBox_, &SecondsSpinBox::SecondsTextChanged, this, [this](const QString& text) {
    storingSeconds_ = true;
    Run(SetSecondsCommand(SecondsSpinBox::ParseSeconds(text)));
    storingSeconds_ = false;
  });
  secondsBox_->SetRefusedKeyHandler([this] { editor_.Services().prompts.Beep(BeepKind::Default); });
  connect(showTransitionButton_, &QPushButton::clicked, this,
          [this] { Run(DemonstrateTransitionCommand()); });
  connect(arrangeButton_, &QPushButton::clicked, this, [this] { Run(ArrangeSlideCommand()); });
}

bool PropertyPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& history :
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
          QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
      // Left unclaimed, the key goes to the window's shortcuts.
      if (pressed == history) return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PropertyPanel::PlaceAt(int top, int clientWidth) {
  top_ = top;
  setGeometry(0, top, clientWidth, ContentHeight() + 1);
  captionGroup_->move(captionGroup_->x(), backgroundGroup_->height() + 4);
  soundGroup_->move(soundGroup_->x(), captionGroup_->y() + captionGroup_->height() + 4);
  // Twice the top of "&Duration" plus 8, in the window's client area; where larger texts
  // widened the groups beside it or lengthened "&Duration", clear of them.
  int middleRight = 0;
  for (const QWidget* g : {backgroundGroup_, captionGroup_, soundGroup_})
    middleRight = std::max(middleRight, g->geometry().right());
  arrangeButton_->move(std::max(arrangeButton_->x(), middleRight + 9),
                       std::max(top + 8, durationGroup_->geometry().bottom() + 9));
  // The motion group stays clear below the button when larger texts pushed it down.
  if (auto* motion = findChild<QWidget*>(QStringLiteral("gbMotion"), Qt::FindDirectChildrenOnly);
      motion && motion->geometry().intersects(arrangeButton_->geometry().adjusted(0, 0, 0, 4))) {
    motion->move(motion->x(), arrangeButton_->geometry().bottom() + 5);
    resize(width(), std::max(height(), motion->geometry().bottom() + 2));
  }
}

int PropertyPanel::ContentHeight() const {
  int bottom = 0;
  for (const QWidget* w :
       std::initializer_list<const QWidget*>{transitionGroup_, backgroundGroup_, captionGroup_,
                                             soundGroup_, durationGroup_, arrangeButton_}) {
    bottom = std::max(bottom, w->geometry().bottom());
  }
  if (auto* motion = findChild<QWidget*>(QStringLiteral("gbMotion"), Qt::FindDirectChildrenOnly))
    bottom = std::max(bottom, motion->geometry().bottom());
  return bottom;
}

void PropertyPanel::SelectionChanged() {
  Reload();
}

void PropertyPanel::CommandStatesChanged() {
  Reload();
}

void PropertyPanel::Reload() {
  const SlideShowDocument& doc = editor_.Document();
  const std::vector<int> selected = editor_.SelectedIndices();
  if (!selected.empty()) {
    ShowValues(selected);
    shown_.clear();
    for (int index : selected) shown_.push_back(doc.IdAt(index));
  } else if (std::none_of(shown_.begin(), shown_.end(),
                          [&](SlideId id) { return doc.IndexOf(id) >= 0; })) {
    // Deselected slides stay on show; slides that are gone (another show opened, the
    // slides deleted) do not.
    ClearValues();
    shown_.clear();
  }
  UpdateStates();
}

void PropertyPanel::ShowValues(const std::vector<int>& selected) {
  const SlideShowDocument& doc = editor_.Document();
  const SlideRecord& ref = doc.SlideAt(selected.front());
  bool mixCenter = false, mixCaption = false, mixEffect = false, mixBox = false, mixBack = false,
       mixPlay = false, mixSound = false, mixSeconds = false, mixMode = false;
  for (size_t k = 1; k < selected.size(); ++k) {
    const SlideRecord& s = doc.SlideAt(selected[k]);
    mixCenter |= s.CenterImage != ref.CenterImage;
    mixCaption |= s.ShowCaption != ref.ShowCaption;
    mixEffect |=
        TransitionListIndex(s.Effect, s.Smooth) != TransitionListIndex(ref.Effect, ref.Smooth);
    mixBox |= s.BoxWidth != ref.BoxWidth;
    mixBack |= s.BackgroundColor != ref.BackgroundColor;
    mixPlay |= s.PlaySound != ref.PlaySound;
    mixSound |= s.SoundName != ref.SoundName;
    mixSeconds |= s.ExtraSeconds != ref.ExtraSeconds;
    mixMode |= s.DurationMode != ref.DurationMode;
  }
  // Filling the controls is not an edit: their change signals stay quiet.
  const QSignalBlocker b1(effectList_), b2(speedSlider_), b3(centerCheck_), b4(showCaptionCheck_),
      b5(playSoundCheck_), b6(durationButtons_), b7(secondsBox_), b8(backgroundSwatch_);
  ShowCheck(centerCheck_, mixCenter, ref.CenterImage);
  ShowCheck(showCaptionCheck_, mixCaption, ref.ShowCaption);
  ShowCheck(playSoundCheck_, mixPlay, ref.PlaySound);
  const int entry = TransitionListIndex(ref.Effect, ref.Smooth);
  effectList_->setCurrentIndex(mixEffect || entry >= effectList_->count() ? -1 : entry);
  speedSlider_->setValue(mixBox ? speedSlider_->minimum() : ref.BoxWidth);
  backgroundSwatch_->SetColor(mixBack ? QColor(Qt::white) : ColorFromRecord(ref.BackgroundColor));
  soundNameLabel_->setText(mixSound ? QString() : FromCp1252(ref.SoundName));
  if (mixSeconds) {
    secondsBox_->clear();
  } else if (!storingSeconds_ &&
             (secondsBox_->text().isEmpty() || secondsBox_->TypedValue() != ref.ExtraSeconds)) {
    // Never while the typed text is being stored ("" stays empty, not "0"); any other
    // change (undo, redo, another slide) shows the slide's value, also in a focused box.
    secondsBox_->setValue(ref.ExtraSeconds);
  }
  QRadioButton* const modes[] = {enterPressedRadio_, soundEndedRadio_, timeElapsedRadio_};
  if (mixMode) {
    durationButtons_->setExclusive(false);
    for (QRadioButton* r : modes) r->setChecked(false);
    durationButtons_->setExclusive(true);
  } else if (ref.DurationMode <= DurationMode::TimeElapsed) {
    modes[ToUnderlying(ref.DurationMode)]->setChecked(true);
  }
  MoveRadioTabStop(durationButtons_);
}

void PropertyPanel::ClearValues() {
  const QSignalBlocker b1(effectList_), b2(speedSlider_), b3(centerCheck_), b4(showCaptionCheck_),
      b5(playSoundCheck_), b6(secondsBox_), b7(durationButtons_), b8(backgroundSwatch_);
  effectList_->setCurrentIndex(-1);
  speedSlider_->setValue(speedSlider_->minimum());
  for (QCheckBox* box : {centerCheck_, showCaptionCheck_, playSoundCheck_})
    box->setCheckState(Qt::Unchecked);
  backgroundSwatch_->SetColor(Qt::white);
  soundNameLabel_->clear();
  secondsBox_->setValue(0);
  durationButtons_->setExclusive(false);
  for (QAbstractButton* r : durationButtons_->buttons()) r->setChecked(false);
  durationButtons_->setExclusive(true);
  MoveRadioTabStop(durationButtons_);
}

void PropertyPanel::UpdateStates() {
  // What each control can do now, by the rules of the commands behind it.
  const ShowEditor& e = editor_;
  const bool some = SetEffectCommand(0).OnEnabled(e);
  for (QWidget* w : std::initializer_list<QWidget*>{
           effectList_, speedLabel_, slowerLabel_, fasterLabel_, speedSlider_, backgroundButton_,
           backgroundSwatch_, enterPressedRadio_, soundEndedRadio_, timeElapsedRadio_}) {
    w->setEnabled(some);
  }
  centerCheck_->setEnabled(SetCenterCommand(true).OnEnabled(e));
  // Seconds count unless every selected slide waits for Enter.
  bool allWaitForEnter = some;
  for (int index : e.SelectedIndices())
    allWaitForEnter &= e.Document().SlideAt(index).DurationMode == DurationMode::EnterPressed;
  secondsBox_->setEnabled(some && !allWaitForEnter);
  showCaptionCheck_->setEnabled(ShowCaptionCommand(true).OnEnabled(e));
  editCaptionButton_->setEnabled(EditCaptionCommand().OnEnabled(e));
  showTransitionButton_->setEnabled(DemonstrateTransitionCommand().OnEnabled(e));
  playSoundCheck_->setEnabled(PlaySoundCommand(true).OnEnabled(e));
  playSoundButton_->setEnabled(PreviewSoundCommand().OnEnabled(e));
  changeSoundButton_->setEnabled(ChangeSoundCommand().OnEnabled(e));
  arrangeButton_->setEnabled(ArrangeSlideCommand().OnEnabled(e));
}

}  // namespace lrw
