// The property panel's commands. Settings that make sense for several slides (effect,
// speed, centring, background, duration) go into every selected slide; caption, sound
// and arrangement act on the one selected slide.
#pragma once

#include "document/TextMark.h"

#include <string>

#include "designer/ShowEditor.h"

namespace lrw {

// Keys of the commands whose steps join while the user drags or types.
inline constexpr int kMergeSpeed = 1;
inline constexpr int kMergeSeconds = 2;

class SetEffectCommand : public EditorCommand {
 public:
  explicit SetEffectCommand(int effect) : effect_(effect) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Transition"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  int effect_;
};

class SetSpeedCommand : public EditorCommand {
 public:
  explicit SetSpeedCommand(int boxWidth) : boxWidth_(boxWidth) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Speed"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
  int MergeKey() const override { return kMergeSpeed; }

 private:
  int boxWidth_;
};

// Centring on also stores the centred position (halves truncated toward zero).
class SetCenterCommand : public EditorCommand {
 public:
  explicit SetCenterCommand(bool center) : center_(center) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Center Image"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  bool center_;
};

// The colour dialog on the selection's common colour (white when they differ); a
// cancelled dialog changes nothing.
class ChangeBackgroundCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Background Color"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// Ticking "Show" on a slide without caption text opens the caption editor first; the
// caption shows only when it then has text.
class ShowCaptionCommand : public EditorCommand {
 public:
  explicit ShowCaptionCommand(bool show) : show_(show) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Show Caption"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  bool show_;
};

// The caption editor on the slide's caption. A first caption gets its box width.
// Enabled while "Show" is ticked; ticking "Show" runs it before the caption shows.
class EditCaptionCommand : public EditorCommand {
 public:
  explicit EditCaptionCommand(bool forNewCaption = false) : forNewCaption_(forNewCaption) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Edit Caption"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  bool forNewCaption_;
};

// Ticking "Play a Sound" on a slide without a sound asks for the file first.
class PlaySoundCommand : public EditorCommand {
 public:
  explicit PlaySoundCommand(bool play) : play_(play) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Play Sound"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  bool play_;
};

// The sound file dialog; a chosen file is stored and previewed. Enabled while "Play a
// Sound" is ticked; ticking it on a slide without a sound runs it first.
class ChangeSoundCommand : public EditorCommand {
 public:
  explicit ChangeSoundCommand(bool forNewSound = false) : forNewSound_(forNewSound) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Change Sound"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
  bool Chosen() const { return chosen_; }

 private:
  bool forNewSound_;
  bool chosen_ = false;
};

// "Play": the first five seconds of the slide's sound.
class PreviewSoundCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Play"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

class SetDurationModeCommand : public EditorCommand {
 public:
  explicit SetDurationModeCommand(DurationMode mode) : mode_(mode) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Duration"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  DurationMode mode_;
};

class SetSecondsCommand : public EditorCommand {
 public:
  explicit SetSecondsCommand(int seconds) : seconds_(seconds) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Seconds"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
  int MergeKey() const override { return kMergeSeconds; }

 private:
  int seconds_;
};

// "Show Me": the slide's transition between the two sample pictures.
class DemonstrateTransitionCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Show Me"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// "&Arrange Slide": the arrangement stage on the one selected slide.
class ArrangeSlideCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Arrange Slide"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// The width a caption's box gets when its first text is written: the widest line
// broken at 110 pixels (without trailing blanks), never less than "WW".
int FirstCaptionWidth(const std::vector<std::string>& lines, const TextMeasurer& measurer);

}  // namespace lrw
