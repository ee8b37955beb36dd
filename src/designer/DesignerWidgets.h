// Small pieces the designer's window and its property panel are built from: the
// window's font, group boxes whose access key leads to their first usable control,
// labels and glyph buttons placed at their designed positions.
#pragma once

#include <QFont>
#include <QString>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QToolButton;
class QWidget;

namespace lrw {

// Eight points at 96 pixels per inch, in the designed face or the first
// metric-compatible sans serif this desktop has.
QFont DesignerWindowFont();

// A group box at (x, y, w, h) in `parent`, titled on an etched frame line as the
// designed child positions assume, whose access key goes to its first enabled control.
QGroupBox* MakeGroup(QWidget* parent, const QString& objectName, const QString& title, int x, int y,
                     int w, int h);
QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text, int x, int y);
QToolButton* MakeGlyphButton(QWidget* parent, const QString& objectName, const QString& icon,
                             const QString& hint, int x, int y);

// Moves a widget to its designed place at its natural size.
template <typename Widget>
Widget* Place(Widget* w, const QString& objectName, int x, int y) {
  w->setObjectName(objectName);
  w->adjustSize();
  w->move(x, y);
  return w;
}

// Tab enters a group of radio buttons at its checked button, or at the first when none
// is checked (the toolkit keeps a stale stop once the values changed from code).
void MoveRadioTabStop(QButtonGroup* group);

}  // namespace lrw
