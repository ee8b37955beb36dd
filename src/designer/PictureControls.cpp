#include "designer/PictureControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "designer/DesignerWidgets.h"
#include "designer/PanelCommands.h"
#include "designer/PictureCommands.h"
#include "effects/SmoothTransitions.h"

namespace lrw {

PictureControls::PictureControls(ShowEditor& editor, QWidget* panel, QWidget* transitionGroup)
    : QObject(panel), editor_(editor) {
  fitButton_ = new QPushButton(tr("Fit"), transitionGroup);
  fitButton_->setObjectName(QStringLiteral("btnFit"));
  fitButton_->setToolTip(tr("Show the whole picture, as large as the screen allows"));
  fitButton_->setAccessibleName(tr("Fit picture to screen"));
  fitButton_->setGeometry(146, 140, 30, 31);
  fillButton_ = new QPushButton(tr("Fill"), transitionGroup);
  fillButton_->setObjectName(QStringLiteral("btnFill"));
  fillButton_->setToolTip(tr("Fill the screen with the picture, cropping what does not fit"));
  fillButton_->setAccessibleName(tr("Fill screen with picture"));
  fillButton_->setGeometry(177, 140, 28, 31);
  lengthLabel_ = new QLabel(transitionGroup);
  lengthLabel_->setObjectName(QStringLiteral("lblTransitionLength"));
  lengthLabel_->setGeometry(150, 64, 52, 16);
  lengthLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  motionGroup_ = MakeGroup(panel, QStringLiteral("gbMotion"), tr("M&otion"), 380, 162, 185, 86);
  motionList_ = new QComboBox(motionGroup_);
  motionList_->setObjectName(QStringLiteral("cbMotion"));
  motionList_->setAccessibleName(tr("Picture motion"));
  for (const char* name : {QT_TR_NOOP("None"), QT_TR_NOOP("Zoom in"), QT_TR_NOOP("Zoom out"),
                           QT_TR_NOOP("Pan left"), QT_TR_NOOP("Pan right"), QT_TR_NOOP("Pan up"),
                           QT_TR_NOOP("Pan down"), QT_TR_NOOP("Automatic"), QT_TR_NOOP("Custom")}) {
    motionList_->addItem(tr(name));
  }
  motionList_->setGeometry(8, 16, 169, motionList_->sizeHint().height());
  strengthLabel_ = MakeLabel(motionGroup_, QStringLiteral("lblStrength"), tr("Strength"), 8, 44);
  strengthSlider_ = new QSlider(Qt::Horizontal, motionGroup_);
  strengthSlider_->setObjectName(QStringLiteral("tbStrength"));
  strengthSlider_->setAccessibleName(tr("Motion strength"));
  strengthSlider_->setRange(0, 100);
  strengthSlider_->setPageStep(10);
  strengthSlider_->setGeometry(60, 42, 117, 20);
  easeList_ = new QComboBox(motionGroup_);
  easeList_->setObjectName(QStringLiteral("cbEase"));
  easeList_->setAccessibleName(tr("Motion ease"));
  easeList_->addItem(tr("Linear"));
  easeList_->addItem(tr("Smooth"));
  easeList_->setGeometry(60, 62, 117, easeList_->sizeHint().height());
  // A screen reader names a list by its label.
  easeLabel_ = MakeLabel(motionGroup_, QStringLiteral("lblEase"), tr("Ease"), 8, 66);
  easeLabel_->setBuddy(easeList_);
  connect(motionList_, &QComboBox::activated, this, [this](int index) {
    if (index < 0) return;
    const auto kind = static_cast<MotionKind>(index);
    Run(SetMotionCommand::Kind(kind));
    // A custom motion is placed on the stage: its start and end boxes over the picture.
    if (kind == MotionKind::Custom && ArrangeSlideCommand().OnEnabled(editor_))
      editor_.Execute(ArrangeSlideCommand());
  });
  connect(strengthSlider_, &QSlider::valueChanged, this,
          [this](int value) { Run(SetMotionCommand::Strength(value)); });
  connect(easeList_, &QComboBox::activated, this, [this](int index) {
    if (index >= 0) Run(SetMotionCommand::Ease(static_cast<MotionEase>(index)));
  });

  connect(fitButton_, &QPushButton::clicked, this,
          [this] { Run(SetPictureFitCommand(PictureFit::Fit)); });
  connect(fillButton_, &QPushButton::clicked, this,
          [this] { Run(SetPictureFitCommand(PictureFit::Fill)); });
  // Tab goes through them where they stand: Fit and Fill after "Show Me", the motion
  // after the seconds.
  auto named = [panel](const char* name) {
    return panel->findChild<QWidget*>(QString::fromLatin1(name));
  };
  if (QWidget* showMe = named("btnShowTransition")) QWidget::setTabOrder(showMe, fitButton_);
  QWidget::setTabOrder(fitButton_, fillButton_);
  if (QWidget* center = named("cbxCenter")) QWidget::setTabOrder(fillButton_, center);
  if (QWidget* seconds = named("seAdditional_Time")) QWidget::setTabOrder(seconds, motionList_);
  QWidget::setTabOrder(motionList_, easeList_);
  QWidget::setTabOrder(easeList_, strengthSlider_);
  if (QWidget* arrange = named("btnPreview")) QWidget::setTabOrder(strengthSlider_, arrange);
  editor_.AddListener(this);
  Reload();
}

PictureControls::~PictureControls() {
  editor_.RemoveListener(this);
}

void PictureControls::Run(EditorCommand&& command) {
  editor_.Execute(command);
  Reload();
}

void PictureControls::Reload() {
  const bool pictures = SetPictureFitCommand(PictureFit::Fit).OnEnabled(editor_);
  for (QWidget* w :
       std::initializer_list<QWidget*>{fitButton_, fillButton_, motionList_, strengthLabel_,
                                       strengthSlider_, easeLabel_, easeList_}) {
    w->setEnabled(pictures);
  }
  const std::vector<int> selected = editor_.SelectedIndices();
  const QSignalBlocker b1(motionList_), b2(strengthSlider_), b3(easeList_);
  lengthLabel_->clear();
  if (selected.empty()) return;
  const SlideShowDocument& doc = editor_.Document();
  const SlideRecord& ref = doc.SlideAt(selected.front());
  bool mixKind = false, mixStrength = false, mixEase = false, mixLength = false;
  for (int index : selected) {
    const SlideRecord& s = doc.SlideAt(index);
    mixKind |= s.Motion.kind != ref.Motion.kind;
    mixStrength |= s.Motion.strength != ref.Motion.strength;
    mixEase |= s.Motion.ease != ref.Motion.ease;
    mixLength |= s.Smooth != ref.Smooth || s.BoxWidth != ref.BoxWidth;
  }
  motionList_->setCurrentIndex(mixKind ? -1 : static_cast<int>(ref.Motion.kind));
  if (!mixStrength && !strengthSlider_->isSliderDown()) {
    strengthSlider_->setValue(ref.Motion.strength);
  }
  easeList_->setCurrentIndex(mixEase ? -1 : static_cast<int>(ref.Motion.ease));
  const bool moving = !mixKind && ref.Motion.Present();
  strengthSlider_->setEnabled(pictures && (moving || mixKind));
  easeList_->setEnabled(pictures && (moving || mixKind));
  if (!mixLength && ref.Smooth != SmoothEffect::None) {
    lengthLabel_->setText(tr("%1 s").arg(SmoothSeconds(ref.BoxWidth), 0, 'f', 1));
  }
}

}  // namespace lrw
