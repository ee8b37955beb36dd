// The show's music in the editor: replacing it (every change in the music dialog is one
// step) and "Fit the Show to the Music".
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "designer/ShowEditor.h"
#include "document/ShowMusic.h"

namespace lrw {

class SetShowMusicCommand : public EditorCommand {
 public:
  explicit SetShowMusicCommand(ShowMusic music) : music_(std::move(music)) {}
  std::string Name() const override { return "Music"; }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;

 private:
  ShowMusic music_;
};

// Sets the seconds of every slide timed in seconds so that the show ends with the music.
// The lengths come from the media layer: the music's, and each slide sound's.
class FitShowToMusicCommand : public EditorCommand {
 public:
  FitShowToMusicCommand(double musicSeconds, double enterSeconds,
                        std::function<std::optional<double>(const std::string&)> soundSeconds)
      : musicSeconds_(musicSeconds),
        enterSeconds_(enterSeconds),
        soundSeconds_(std::move(soundSeconds)) {}
  std::string Name() const override { return "Fit the Show to the Music"; }
  // Music that has a length, and at least one slide timed in seconds.
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  double musicSeconds_;
  double enterSeconds_;
  std::function<std::optional<double>(const std::string&)> soundSeconds_;
};

// The show's length as the export plays it once (Enter-waiting slides for `enterSeconds`).
double ShowSeconds(const std::vector<SlideRecord>& slides, double enterSeconds,
                   const std::function<std::optional<double>(const std::string&)>& soundSeconds);

}  // namespace lrw
