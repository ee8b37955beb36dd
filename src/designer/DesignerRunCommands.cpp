// The Run menu: loop flag and running the show full screen.
#include "designer/SlideshowDesignForm.h"

namespace lrw {

void TSlideshowDesignForm::WireRunCommands() {}

}  // namespace lrw
