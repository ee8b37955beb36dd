// The Run menu: the loop flag and running the show full screen.
#pragma once

#include <string>

#include "designer/ShowEditor.h"

namespace lrw {

// "&Loop Until Esc Pressed".
class ToggleLoopCommand : public EditorCommand {
 public:
  std::string Name() const override { return "Loop"; }
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
