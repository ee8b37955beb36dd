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

  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  // What the swatch shows the colour of; a screen reader hears it with the colour's name.
  void SetAccessibleLabel(const QString& label);

 signals:
  // A left click while the swatch is enabled.
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void NameColor();

  QColor color_ = Qt::white;
  QString label_;
};

}  // namespace lrw
