// Which screen a show plays on: the one the user picked in "Play on" (remembered between
// runs), else, with more than one screen, one the designer is not on (a projector beside
// the laptop), else the primary screen.
#pragma once

#include <QString>

class QScreen;
class QWidget;

namespace lrw {

// `designer` may be null or hidden (a program started only to run a show).
QScreen* ChooseShowScreen(const QWidget* designer);

// The name of the screen picked in "Play on", empty when none was.
QString RememberedShowScreen();
void RememberShowScreen(const QString& name);

}  // namespace lrw
