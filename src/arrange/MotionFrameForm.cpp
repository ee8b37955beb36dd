#include "arrange/MotionFrameForm.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "arrange/SlidePreviewBackgroundForm.h"

namespace lrw {
namespace {
// Inactive bands that tell the two boxes apart; the active one is red like any form.
const QColor kStartBand(0, 150, 0);
const QColor kEndBand(0, 100, 220);
constexpr int kLabelPadding = 3;
}  // namespace

MotionFrameForm::MotionFrameForm(SlidePreviewBackgroundForm& stage, MotionEnd end)
    : PreviewForm(stage), end_(end) {
  const bool start = end == MotionEnd::Start;
  setObjectName(start ? QStringLiteral("MotionStartForm") : QStringLiteral("MotionEndForm"));
  heightKeys_ = true;
  // The picture shows through: only the frame and the label are drawn.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  SetBoxLabel(start ? tr("Motion start") : tr("Motion end"));
  setAccessibleDescription(
      tr("The part of the picture that fills the screen when the motion starts or ends. "
         "Ctrl+arrows move it, Ctrl+Shift+arrows move it further, Shift+arrows size it, F5 "
         "previews the motion, F6 goes to the next box, Esc leaves without saving"));
  connect(AddMenuItem(QStringLiteral("PreviewMotion1"), tr("&Preview the Motion")),
          &QAction::triggered, this, [this] { stage_.PreviewMotion(); });
  AddExitItems();
}

FramingShape MotionFrameForm::Shape() const {
  const QSize picture = stage_.PictureSize();
  const QSize screen = stage_.ScreenSize();
  return {picture.width(), picture.height(), screen.width(), screen.height()};
}

QPointF MotionFrameForm::Scale() const {
  const QRect box = stage_.PictureClientRect();
  const QSize picture = stage_.PictureSize();
  if (picture.isEmpty() || box.isEmpty()) return {};
  return {double(box.width()) / picture.width(), double(box.height()) / picture.height()};
}

void MotionFrameForm::SetFraming(const MotionRect& framing) {
  framing_ = framing;
  FollowPicture();
}

void MotionFrameForm::FollowPicture() {
  const QRect box = stage_.PictureClientRect();
  const QPointF k = Scale();
  const int left = box.x() + static_cast<int>(std::lround(framing_.x * k.x()));
  const int top = box.y() + static_cast<int>(std::lround(framing_.y * k.y()));
  const int right = box.x() + static_cast<int>(std::lround((framing_.x + framing_.width) * k.x()));
  const int bottom =
      box.y() + static_cast<int>(std::lround((framing_.y + framing_.height) * k.y()));
  // Never smaller than a box that can still be grabbed.
  SetBounds({left - kFrameWidth, top - kFrameWidth, std::max(1, right - left) + 2 * kFrameWidth,
             std::max(1, bottom - top) + 2 * kFrameWidth});
  AnnouncePlace();
}

void MotionFrameForm::Place(const MotionRect& framing) {
  SetFraming(framing);
  stage_.MotionPlaced();
}

void MotionFrameForm::mousePressEvent(QMouseEvent* event) {
  dragFrom_ = framing_;
  PreviewForm::mousePressEvent(event);
}

void MotionFrameForm::DragBy(QPoint total, QPoint, Qt::Edges edges) {
  const QPointF k = Scale();
  if (k.x() <= 0 || k.y() <= 0) return;
  // From where the drag began, so that a slow drag over an enlarged picture still moves.
  const double dx = total.x() / k.x();
  const double dy = total.y() / k.y();
  lrw::Framing wanted = FramingOf(dragFrom_);
  const FramingEdges sized{edges.testFlag(Qt::LeftEdge), edges.testFlag(Qt::TopEdge),
                           edges.testFlag(Qt::RightEdge), edges.testFlag(Qt::BottomEdge)};
  if (!sized.Any()) {
    wanted.x += dx;
    wanted.y += dy;
  }
  if (sized.left) {
    wanted.x += dx;
    wanted.width -= dx;
  }
  if (sized.right) wanted.width += dx;
  if (sized.top) {
    wanted.y += dy;
    wanted.height -= dy;
  }
  if (sized.bottom) wanted.height += dy;
  const MotionRect placed = FitFraming(wanted, sized, Shape());
  if (placed != framing_) Place(placed);
}

void MotionFrameForm::NudgeBy(ArrowKey key, bool ctrl, bool shift) {
  const QPointF k = Scale();
  if (k.x() <= 0) return;
  // A step of one stage pixel, and at least one picture pixel.
  const int step = std::max(1, static_cast<int>(std::lround(1 / k.x())));
  if (const auto placed = NudgeFraming(framing_, key, ctrl, shift, step, Shape())) Place(*placed);
}

QString MotionFrameForm::PlaceText() const {
  return tr("%1, left %L2, top %L3, %L4 by %L5 picture pixels")
      .arg(BoxLabel())
      .arg(framing_.x)
      .arg(framing_.y)
      .arg(framing_.width)
      .arg(framing_.height);
}

QColor MotionFrameForm::BandColor(bool active) const {
  if (active) return PreviewForm::BandColor(true);
  return end_ == MotionEnd::Start ? kStartBand : kEndBand;
}

void MotionFrameForm::PaintClient(QPainter& painter) {
  // The start's label in the top left corner, the end's in the bottom right, so that
  // both read when the boxes lie on each other.
  const QString label = end_ == MotionEnd::Start ? tr("Start") : tr("End");
  const QFontMetrics metrics(font());
  const QSize size(metrics.horizontalAdvance(label) + 2 * kLabelPadding, metrics.height());
  const QSize client = ClientRect().size();
  const QPoint at = end_ == MotionEnd::Start
                        ? QPoint(0, 0)
                        : QPoint(client.width() - size.width(), client.height() - size.height());
  const QRect box(at, size);
  painter.fillRect(box, BandColor(FrameActive()));
  painter.setPen(Qt::white);
  painter.setFont(font());
  painter.drawText(box, Qt::AlignCenter, label);
}

}  // namespace lrw
