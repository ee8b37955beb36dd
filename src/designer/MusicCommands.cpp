#include "designer/MusicCommands.h"

#include <algorithm>

#include "designer/CommandSupport.h"
#include "export/FitToLength.h"
#include "export/ShowTransitions.h"

namespace lrw {
namespace {

// The pacing makes a transition last the same on every screen size.
constexpr int kPacingWidth = 1024, kPacingHeight = 768;

TimelineSources Sources(const std::vector<SlideRecord>& slides, const ShowTransitions& transitions,
                        const std::function<std::optional<double>(const std::string&)>& sounds) {
  TimelineSources sources;
  sources.transitionSeconds = [&transitions](size_t slide) { return transitions.Seconds(slide); };
  sources.soundSeconds = sounds;
  (void)slides;
  return sources;
}

}  // namespace

void SetShowMusicCommand::OnExecute(ShowEditor& editor) {
  Document(editor).SetMusic(music_);
}

bool FitShowToMusicCommand::OnEnabled(const ShowEditor& editor) const {
  const SlideShowDocument& doc = editor.Document();
  return doc.Music().Present() && musicSeconds_ > 0 &&
         std::any_of(doc.Slides().begin(), doc.Slides().end(),
                     [](const SlideRecord& s) { return s.DurationMode == TimeElapsed; });
}

void FitShowToMusicCommand::OnExecute(ShowEditor& editor) {
  SlideShowDocument& doc = Document(editor);
  const std::vector<SlideRecord> slides = doc.Slides();
  const ShowTransitions transitions(slides, kPacingWidth, kPacingHeight);
  const auto seconds = FitTimedSlides(slides, musicSeconds_, enterSeconds_,
                                      Sources(slides, transitions, soundSeconds_));
  if (!seconds) return;
  for (int i = 0; i < doc.Count(); ++i) {
    doc.EditSlide(i, [&](SlideRecord& s) { s.ExtraSeconds = (*seconds)[static_cast<size_t>(i)]; });
  }
}

double ShowSeconds(const std::vector<SlideRecord>& slides, double enterSeconds,
                   const std::function<std::optional<double>(const std::string&)>& soundSeconds) {
  const ShowTransitions transitions(slides, kPacingWidth, kPacingHeight);
  return BuildShowTimeline(slides, enterSeconds, Sources(slides, transitions, soundSeconds))
      .duration;
}

}  // namespace lrw
