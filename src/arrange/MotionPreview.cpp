#include "arrange/MotionPreview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "player/MotionLayer.h"

namespace lrw {
namespace {
// How long the end framing stays before the stage comes back.
constexpr int kHoldMs = 1000;
}  // namespace

MotionPreview::MotionPreview(QWidget* stage) : QWidget(stage) {
  setObjectName(QStringLiteral("MotionPreview"));
  setAccessibleName(tr("Motion preview"));
  setAccessibleDescription(tr("Any key or click stops the preview"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(stage->rect());
  layer_ = new MotionLayer(this);
  layer_->setGeometry(rect());
  end_.setSingleShot(true);
  connect(&end_, &QTimer::timeout, this, [this] { Stop(); });
}

void MotionPreview::Play(MotionPicture motion, double seconds) {
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  layer_->StartMotion(std::move(motion), seconds);
  end_.start(static_cast<int>(std::max(0.0, seconds) * 1000) + kHoldMs);
}

void MotionPreview::Stop() {
  if (stopped_) return;
  stopped_ = true;
  end_.stop();
  layer_->Stop();
  hide();
  emit Stopped();
}

void MotionPreview::keyPressEvent(QKeyEvent* event) {
  // Modifiers pressed on their own do not count as a key.
  switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
      break;
    default:
      Stop();
  }
  event->accept();
}

void MotionPreview::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Stop();
}

void MotionPreview::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

}  // namespace lrw
