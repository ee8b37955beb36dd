#include "export/FramePlanner.h"

#include <gtest/gtest.h>

#include <map>

#include "export/ShowTransitions.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

constexpr int kWidth = 64, kHeight = 48;

SlideRecord Transition(uint8_t effect, int16_t boxWidth) {
  return test::SlideBuilder().Effect(effect, boxWidth).Build();
}

// Plays the plan with the real transitions of the slides and checks, at every step, that the
// screen holds exactly the copies that are due by the frame's time.
class CheckingPlan : public FramePlan {
 public:
  CheckingPlan(const std::vector<SlideRecord>& slides, const ShowTimeline& timeline, int fps)
      : timeline_(timeline), fps_(fps) {
    for (const SlideRecord& slide : slides) {
      transitions_.push_back(RecordTransition(slide, kWidth, kHeight));
    }
  }

  const TransitionPacing& BeginTransition(size_t slide) override {
    EXPECT_EQ(slide, begun_.size()) << "slides begin in order";
    if (!begun_.empty()) {
      EXPECT_EQ(made_[begun_.back()], transitions_[begun_.back()].copies.size())
          << "a transition is finished before the next begins";
    }
    begun_.push_back(slide);
    return transitions_[slide].pacing;
  }

  void Apply(size_t slide, size_t first, size_t last) override {
    EXPECT_EQ(slide, begun_.back());
    EXPECT_EQ(first, made_[slide]) << "copies are made once each, in order";
    EXPECT_GT(last, first);
    made_[slide] = last;
    ++applied_;
  }

  bool Emit(int64_t frame, int64_t repeat, bool changed) override {
    EXPECT_EQ(frame, next_) << "steps cover the frames without gaps";
    EXPECT_GE(repeat, 1);
    EXPECT_EQ(changed, applied_ > 0 || frame == 0);
    applied_ = 0;
    // Every frame of the step shows what is due by its time.
    for (int64_t f = frame; f < frame + repeat; ++f) {
      const double t = static_cast<double>(f) / fps_;
      for (size_t i = 0; i < timeline_.slides.size(); ++i) {
        const TimelineSlide& s = timeline_.slides[i];
        const size_t due = t + 1e-9 < s.start ? 0
                           : t + 1e-9 >= s.shown
                               ? transitions_[i].copies.size()
                               : transitions_[i].pacing.DueCount(t - s.start + 1e-9);
        EXPECT_EQ(made_[i], due) << "frame " << f << " slide " << i;
      }
    }
    next_ = frame + repeat;
    ++steps;
    return true;
  }

  int64_t next_ = 0;
  int steps = 0;

 private:
  const ShowTimeline& timeline_;
  int fps_;
  std::vector<RecordedTransition> transitions_;
  std::vector<size_t> begun_;
  std::map<size_t, size_t> made_;
  int applied_ = 0;
};

ShowTimeline Lay(const std::vector<SlideRecord>& slides, const std::vector<double>& holds) {
  ShowTimeline timeline;
  double t = kLeadInSeconds;
  for (size_t i = 0; i < slides.size(); ++i) {
    const double d = RecordTransition(slides[i], kWidth, kHeight).pacing.Duration();
    timeline.slides.push_back({i, t, t + d, t + d + holds[i]});
    t += d + holds[i];
  }
  timeline.duration = t;
  return timeline;
}

TEST(FramePlannerTest, EachFrameShowsTheCopiesDueByItsTime) {
  // A slow box effect, Dissolve, a blind and "No Effect"; two slides that come and go between
  // two frames; a last slide cut by the end of the video.
  const std::vector<SlideRecord> slides{Transition(1, 2), Transition(35, 4), Transition(16, 2),
                                        Transition(0, 5), Transition(3, 10), Transition(0, 2),
                                        Transition(41, 3)};
  const std::vector<double> holds{1.0, 0.25, 0.0, 0.0, 0.0, 0.01, 0.7};
  for (int fps : {24, 30, 60}) {
    SCOPED_TRACE(fps);
    const ShowTimeline timeline = Lay(slides, holds);
    CheckingPlan plan(slides, timeline, fps);
    EXPECT_TRUE(PlanFrames(timeline, fps, plan));
    EXPECT_EQ(plan.next_, VideoFrameCount(timeline.duration, fps));
    // Held pictures go as one step each: far fewer steps than frames.
    EXPECT_LT(plan.steps, plan.next_ * 3 / 4);
  }
}

}  // namespace
}  // namespace lrw
