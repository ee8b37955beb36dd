// Move, Delete, Insert blank, Duplicate and the Edit menu's entries.
#include "designer/SlideshowDesignForm.h"

namespace lrw {

void TSlideshowDesignForm::WireEditCommands() {}

}  // namespace lrw
