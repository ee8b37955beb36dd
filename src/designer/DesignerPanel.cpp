// The property panel: every control that edits the selected slides.
#include "designer/SlideshowDesignForm.h"

namespace lrw {

void TSlideshowDesignForm::WirePanel() {}

}  // namespace lrw
