#include "designer/PictureControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "designer/DesignerWidgets.h"
#include "designer/PictureCommands.h"

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
  connect(fitButton_, &QPushButton::clicked, this,
          [this] { Run(SetPictureFitCommand(PictureFit::Fit)); });
  connect(fillButton_, &QPushButton::clicked, this,
          [this] { Run(SetPictureFitCommand(PictureFit::Fill)); });
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
  fitButton_->setEnabled(pictures);
  fillButton_->setEnabled(pictures);
}

}  // namespace lrw
