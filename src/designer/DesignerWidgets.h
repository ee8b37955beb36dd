// Small pieces the designer's window and its property panel are built from: the
// window's font, group boxes whose access key leads to their first usable control,
// labels and glyph buttons placed at their designed positions.
#pragma once

#include <QFont>
#include <QSize>
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

// Grows the controls placed at designed positions inside `container` (and, through
// group boxes, inside those) to what their texts need in the language and font of now,
// pushing the controls to their right and below along so that none overlap, and grows
// the group boxes around them. Controls that fit are left exactly where they were
// designed. Returns the size the container's contents need.
QSize FitToContents(QWidget* container);

// Eight points at 96 pixels per inch, or the desktop's font size where that is larger
// than 9 points, so that the designer follows a desktop set to large text.
int DesignerFontPixels();

// Tab enters a group of radio buttons at its checked button, or at the first when none
// is checked (the toolkit keeps a stale stop once the values changed from code).
void MoveRadioTabStop(QButtonGroup* group);

}  // namespace lrw
