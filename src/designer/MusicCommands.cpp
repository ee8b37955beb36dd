#include "designer/MusicCommands.h"

#include <algorithm>

#include "designer/CommandSupport.h"
#include "export/FitToLength.h"
#include "export/ShowTransitions.h"

namespace lrw {
namespace {

// The pacing makes a transition last the same on every screen size.
constexpr int kPacingWidth = 1024, kPacingHeight = 768;

TimelineSources Sources(const ShowTransitions& transitions,
                        const std::function<std::optional<double>(const std::string&)>& sounds) {
  TimelineSources sources;
  sources.transitionSeconds = [&transitions](size_t slide) { return transitions.Seconds(slide); };
  sources.soundSeconds = sounds;
  return sources;
}

}  // namespace

void SetShowMusicCommand::OnExecute(ShowEditor& editor) {
  Document(editor).SetMusic(music_);
}

void EditMusicCommand::OnExecute(ShowEditor& editor) {
  const std::optional<MusicChoice> choice = WithDialog(editor, [&](EditorDialogs& d) {
    return d.EditMusic(editor.Document().Music(), editor.Document().Slides());
  });
  if (!choice) return;
  Document(editor).SetMusic(choice->music);
  if (choice->fit) {
    FitShowToMusicCommand fit;
    editor.Execute(fit);
  }
}

bool FitShowToMusicCommand::OnEnabled(const ShowEditor& editor) const {
  const SlideShowDocument& doc = editor.Document();
  return doc.Music().Present() &&
         std::any_of(doc.Slides().begin(), doc.Slides().end(), [](const SlideRecord& s) {
           return s.DurationMode == DurationMode::TimeElapsed;
         });
}

void FitShowToMusicCommand::OnExecute(ShowEditor& editor) {
  SlideShowDocument& doc = Document(editor);
  EditorMedia& media = editor.Services().media;
  const double musicSeconds = media.MusicSeconds(doc.Music());
  if (musicSeconds <= 0) {
    TellUser(editor,
             LRW_TR_NOOP("lrw::Messages",
                         "The music files cannot be played, so the show cannot be fitted to them."),
             kMessageCaption, PromptIcon::Warning);
    return;
  }
  const std::vector<SlideRecord> slides = doc.Slides();
  const ShowTransitions transitions(slides, kPacingWidth, kPacingHeight);
  const auto seconds = FitTimedSlides(
      slides, musicSeconds, kFitEnterSeconds,
      Sources(transitions, [&media](const std::string& f) { return media.SoundSeconds(f); }));
  if (!seconds) return;
  for (int i = 0; i < doc.Count(); ++i) {
    doc.EditSlide(i, [&](SlideRecord& s) { s.ExtraSeconds = (*seconds)[static_cast<size_t>(i)]; });
  }
}

double ShowSeconds(const std::vector<SlideRecord>& slides, double enterSeconds,
                   const std::function<std::optional<double>(const std::string&)>& soundSeconds) {
  const ShowTransitions transitions(slides, kPacingWidth, kPacingHeight);
  return BuildShowTimeline(slides, enterSeconds, Sources(transitions, soundSeconds)).duration;
}

}  // namespace lrw
