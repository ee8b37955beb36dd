// Adding picture slides: "&Add slides" and AddPictureSlide.
#include "designer/SlideshowDesignForm.h"

namespace lrw {

void TSlideshowDesignForm::WireImport() {}

}  // namespace lrw
