// The File and Help menus, the save prompt and the window title.
#include "designer/SlideshowDesignForm.h"

namespace lrw {

void TSlideshowDesignForm::WireFileCommands() {}

}  // namespace lrw
