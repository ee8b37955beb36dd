// A clickable colour swatch in a lowered bevel (the background colour of the
// selected slides).
#pragma once

#include <QColor>
#include <QFrame>

namespace lrw {

class ColorSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit ColorSwatch(QWidget* parent = nullptr);

  QColor color() const { return color_; }
  void setColor(const QColor& color);

 signals:
  // A left click while the swatch is enabled.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor color_ = Qt::white;
};

}  // namespace lrw
