// The transition demonstration: a small window that plays a slide's effect and speed between
// the two built-in sample pictures and goes away by itself 700 ms after the transition.
#pragma once

#include <QTimer>
#include <QWidget>

#include "document/SlideRecord.h"
#include "effects/FxImage.h"

namespace lrw {

class SlideTransitionForm : public QWidget {
  Q_OBJECT

 public:
  // A top-level window; `owner` only keeps it above the designer and frees it with it.
  explicit SlideTransitionForm(QWidget* owner = nullptr);

  // The control that plays the transition (objectName "FxImage1").
  FxImage* Image() const { return image_; }
  // Releases the window when it fires: 700 ms, disabled at first (objectName "Timer1").
  QTimer* ReleaseTimer() const { return releaseTimer_; }

 private:
  void OnReleaseTimer();

  FxImage* image_ = nullptr;
  QTimer* releaseTimer_ = nullptr;
};

// Opens a demonstration window and plays `slide`'s effect with its box width from the first
// sample picture to the second; the window then releases itself after 700 ms (or when its close
// box is used). Returns at the end of the transition; each call opens a further window.
// `pacingFactor` stretches the transition's time (1 is the designed speed, 0 plays it at once).
SlideTransitionForm* ShowTransitionDemo(const SlideRecord& slide, QWidget* owner = nullptr,
                                        double pacingFactor = 1.0);

}  // namespace lrw
