#include "designer/ColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/ColorNames.h"

namespace lrw {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setCursor(Qt::PointingHandCursor);
  NameColor();
}

void ColorSwatch::SetColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  NameColor();
  update();
}

void ColorSwatch::SetAccessibleLabel(const QString& label) {
  label_ = label;
  NameColor();
}

void ColorSwatch::NameColor() {
  const QString name = ColorName(color_);
  setAccessibleName(label_.isEmpty() ? name : tr("%1: %2").arg(label_, name));
  setToolTip(name);
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
  {
    // The colour stays visible when disabled: it still describes the selection.
    QPainter p(this);
    p.fillRect(contentsRect(), color_);
  }
  QFrame::paintEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      isEnabled()) {
    emit Clicked();
  }
  QFrame::mouseReleaseEvent(event);
}

}  // namespace lrw
