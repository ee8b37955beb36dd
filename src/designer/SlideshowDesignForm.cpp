// The designer window: controls, layout, the slide strip, panel loading and command states.
#include "designer/SlideshowDesignForm.h"

namespace lrw {

QPointer<TSlideshowDesignForm> SlideshowDesignForm;

}  // namespace lrw
