// The picture's motion while a slide is on screen: which part of the picture fills the
// screen at each moment. A framing is a rectangle of the picture in its own pixels, in
// the screen's proportions; the screen shows it stretched to the whole screen. Presets
// compute the start and end framings from the picture's and the screen's shapes.
#pragma once

#include <cstddef>
#include <optional>

#include "document/SlideRecord.h"

namespace lrw {

struct Framing {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

struct MotionPath {
  Framing start;
  Framing end;
  MotionEase ease = MotionEase::Smooth;
};

// "Automatic": panoramas pan across, tall pictures pan down or up, others zoom; the
// direction alternates with the slide's position so that consecutive slides differ.
MotionKind ResolveAutoMotion(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                             size_t slideIndex);

// The start and end framings of the slide's motion; nothing without motion or picture.
std::optional<MotionPath> MotionPathFor(const SlideMotion& motion, int pictureWidth,
                                        int pictureHeight, int screenWidth, int screenHeight,
                                        size_t slideIndex);

// The largest framing of the screen's shape inside the picture, centred: what a zoom
// starts or ends at.
Framing LargestFraming(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);
// A stored rectangle as the motion shows it: widened or heightened about its centre to
// the screen's shape.
Framing ShownFraming(const MotionRect& rect, int screenWidth, int screenHeight);

// The eased share of the way at `fraction` (0..1) of the motion's time.
double EaseFraction(MotionEase ease, double fraction);
// The framing at `fraction` of the motion's time.
Framing FramingAt(const MotionPath& path, double fraction);

// The motion's length in seconds: from the end of the transition to the slide's end for
// a slide shown for a time or until its sound ends (the sound's length, when it plays,
// plus the seconds); a slide waiting for Enter moves over its seconds value and holds.
double MotionSeconds(const SlideRecord& slide, std::optional<double> soundSeconds);
// The share of the motion made `elapsed` seconds after the transition ended.
double MotionFraction(double elapsed, double motionSeconds);

}  // namespace lrw
