// The Run menu: the loop and shuffle flags and running the show full screen.
#pragma once

#include <string>

#include "document/TextMark.h"

#include "designer/ShowEditor.h"

namespace lrw {

// "&Loop Until Esc Pressed".
class ToggleLoopCommand : public EditorCommand {
 public:
  std::string Name() const override { return "Loop"; }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// "S&huffle": the slides play in a random order, a new one each loop.
class ToggleShuffleCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Shuffle"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// Runs the show from the first slide (a program started only to run a show runs it
// once, whatever the loop flag) or from the current slide, and returns when it ends.
class RunShowCommand : public EditorCommand {
 public:
  enum class From { Beginning, CurrentSlide };
  explicit RunShowCommand(From from) : from_(from) {}
  std::string Name() const override { return "Run"; }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  From from_;
};

}  // namespace lrw
