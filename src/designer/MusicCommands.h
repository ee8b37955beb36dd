// The show's music in the editor: the music dialog (its result is one step), replacing
// the music outright, and "Fit the Show to the Music".
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "designer/ShowEditor.h"
#include "document/ShowMusic.h"
#include "document/TextMark.h"

namespace lrw {

// The seconds a slide waiting for Enter counts with (as the video export gives it).
inline constexpr double kFitEnterSeconds = 5;

class SetShowMusicCommand : public EditorCommand {
 public:
  explicit SetShowMusicCommand(ShowMusic music) : music_(std::move(music)) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Music"); }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;

 private:
  ShowMusic music_;
};

// "&Music...": the dialog on the show's music; what it gives back is one step, fitting
// the show to the music included when the dialog asked for it.
class EditMusicCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Music"); }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;
};

// Sets the seconds of every slide timed in seconds so that the show ends with the music.
class FitShowToMusicCommand : public EditorCommand {
 public:
  std::string Name() const override {
    return LRW_TR_NOOP("lrw::Commands", "Fit the Show to the Music");
  }
  // Music, and at least one slide timed in seconds.
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// The show's length as the export plays it once.
double ShowSeconds(const std::vector<SlideRecord>& slides, double enterSeconds,
                   const std::function<std::optional<double>(const std::string&)>& soundSeconds);

}  // namespace lrw
