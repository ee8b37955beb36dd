// "Play on" in the Run menu: the screens by name, shown only while there is more than
// one; the one picked is remembered for later shows (and for "/r" and "/c").
#pragma once

class QMenu;
class QWidget;

namespace lrw {

// Adds the submenu to `runMenu`; `designer` is the window whose screen the show avoids.
void AddPlayOnMenu(QMenu* runMenu, QWidget* designer);

}  // namespace lrw
