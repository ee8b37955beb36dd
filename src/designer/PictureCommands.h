// The panel's commands on the picture itself: fitting it to the screen and its motion.
// Each acts on every selected slide that shows a picture, as one undoable step.
#pragma once

#include <string>

#include "designer/ShowEditor.h"
#include "document/PictureFit.h"

namespace lrw {

// "Fit" and "Fill": the picture box from the picture's own size and the screen.
class SetPictureFitCommand : public EditorCommand {
 public:
  explicit SetPictureFitCommand(PictureFit fit) : fit_(fit) {}
  std::string Name() const override { return fit_ == PictureFit::Fill ? "Fill" : "Fit"; }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  PictureFit fit_;
};

}  // namespace lrw
