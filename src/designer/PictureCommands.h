// The panel's commands on the picture itself: fitting it to the screen and its motion.
// Each acts on every selected slide that shows a picture, as one undoable step.
#pragma once

#include <string>

#include "designer/ShowEditor.h"
#include "document/PictureFit.h"
#include "document/TextMark.h"

namespace lrw {

// "Fit" and "Fill": the picture box from the picture's own size and the screen.
class SetPictureFitCommand : public EditorCommand {
 public:
  explicit SetPictureFitCommand(PictureFit fit) : fit_(fit) {}
  std::string Name() const override {
    return fit_ == PictureFit::Fill ? LRW_TR_NOOP("lrw::Commands", "Fill")
                                    : LRW_TR_NOOP("lrw::Commands", "Fit");
  }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  PictureFit fit_;
};

// The motion panel's settings: the kind, the strength (a drag joins into one step) or
// the ease of every selected picture slide.
class SetMotionCommand : public EditorCommand {
 public:
  enum class Part { Kind, Strength, Ease };
  static SetMotionCommand Kind(MotionKind kind) { return {Part::Kind, static_cast<int>(kind)}; }
  static SetMotionCommand Strength(int strength) { return {Part::Strength, strength}; }
  static SetMotionCommand Ease(MotionEase ease) { return {Part::Ease, static_cast<int>(ease)}; }
  std::string Name() const override;
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
  int MergeKey() const override { return part_ == Part::Strength ? kMergeStrength : 0; }

 private:
  static constexpr int kMergeStrength = 3;
  SetMotionCommand(Part part, int value) : part_(part), value_(value) {}
  Part part_;
  int value_;
};

}  // namespace lrw
