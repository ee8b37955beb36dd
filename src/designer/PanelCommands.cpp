#include "designer/PanelCommands.h"

#include "document/TextMark.h"

#include <algorithm>
#include <optional>

#include "designer/CommandSupport.h"
#include "document/Cp1252.h"
#include "document/Paths.h"
#include "effects/EffectNames.h"
#include "effects/SmoothTransitions.h"
#include "player/WrapCaption.h"

namespace lrw {
namespace {

constexpr int kFirstCaptionWidth = 110;
constexpr size_t kPathCapacity = 255;
constexpr uint32_t kWhite = 0xFFFFFF;

bool OneSelected(const ShowEditor& editor) {
  return editor.TargetIndex() >= 0;
}

// The one selected slide.
const SlideRecord& Target(const ShowEditor& editor) {
  return editor.Document().SlideAt(editor.TargetIndex());
}

// Applies `edit` to every selected slide, first to last.
template <typename Edit>
void EditSelected(ShowEditor& editor, SlideShowDocument& document, Edit&& edit) {
  for (int index : editor.SelectedIndices()) document.EditSlide(index, edit);
}

int16_t ToInt16(int value) {
  return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

int FirstCaptionWidth(const std::vector<std::string>& lines, const TextMeasurer& measurer) {
  std::vector<std::string> broken;
  int width = kFirstCaptionWidth;
  WrapCaption(lines, measurer, broken, width);
  int widest = measurer.TextWidth("WW");
  for (const std::string& line : broken)
    widest = std::max(widest, measurer.TextWidth(TrimCaptionRight(line)));
  return std::min(widest, 32767);
}

// ---- transition, speed, centring ----

bool SetEffectCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() >= 1 && effect_ >= 0 &&
         effect_ < static_cast<int>(EffectNames().size()) + kSmoothEffectCount;
}

void SetEffectCommand::OnExecute(ShowEditor& editor) {
  EditSelected(editor, Document(editor),
               [this](SlideRecord& s) { SetTransitionFromList(effect_, s.Effect, s.Smooth); });
}

bool SetSpeedCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() >= 1;
}

void SetSpeedCommand::OnExecute(ShowEditor& editor) {
  EditSelected(editor, Document(editor),
               [this](SlideRecord& s) { s.BoxWidth = ToInt16(boxWidth_); });
}

bool SetCenterCommand::OnEnabled(const ShowEditor& editor) const {
  const int n = editor.SelectedCount();
  // A blank slide alone cannot be centred: it has no picture.
  if (n == 1) return OneSelected(editor) && Target(editor).Thumbnail.has_value();
  return n >= 1;
}

void SetCenterCommand::OnExecute(ShowEditor& editor) {
  const int width = editor.Services().media.ScreenWidth();
  const int height = editor.Services().media.ScreenHeight();
  EditSelected(editor, Document(editor), [&](SlideRecord& s) {
    s.CenterImage = center_ ? 1 : 0;
    if (center_) {
      // Integer division truncates toward zero, as every halving of a position must.
      s.ImageTop = ToInt16((height - s.ImageHeight) / 2);
      s.ImageLeft = ToInt16((width - s.ImageWidth) / 2);
    }
  });
}

// ---- background ----

bool ChangeBackgroundCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() >= 1;
}

void ChangeBackgroundCommand::OnExecute(ShowEditor& editor) {
  std::optional<uint32_t> common;
  bool mixed = false;
  for (int index : editor.SelectedIndices()) {
    const uint32_t c = editor.Document().SlideAt(index).BackgroundColor;
    if (!common)
      common = c;
    else if (*common != c)
      mixed = true;
  }
  const uint32_t shown = mixed ? kWhite : common.value_or(kWhite);
  const std::optional<uint32_t> chosen =
      WithDialog(editor, [shown](EditorDialogs& d) { return d.ChooseColor(shown); });
  if (!chosen) return;
  EditSelected(editor, Document(editor), [&](SlideRecord& s) { s.BackgroundColor = *chosen; });
}

// ---- caption ----

bool ShowCaptionCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor);
}

void ShowCaptionCommand::OnExecute(ShowEditor& editor) {
  const SlideId slide = editor.TargetId();
  bool show = show_;
  if (show && Target(editor).Caption.empty()) {
    EditCaptionCommand edit(true);
    editor.Execute(edit);
    const int index = editor.Document().IndexOf(slide);
    if (index < 0) return;
    show = !editor.Document().SlideAt(index).Caption.empty();
  }
  SlideShowDocument& document = Document(editor);
  document.EditSlide(document.IndexOf(slide),
                     [show](SlideRecord& s) { s.ShowCaption = show ? 1 : 0; });
}

bool EditCaptionCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor) && (forNewCaption_ || Target(editor).ShowCaption != 0);
}

void EditCaptionCommand::OnExecute(ShowEditor& editor) {
  const SlideId slide = editor.TargetId();
  const SlideRecord& before = Target(editor);
  const bool hadLines = !before.Caption.empty();
  std::vector<std::string> lines = before.Caption;
  CaptionFontRecord font = CaptionFontRecord::Of(before);
  uint32_t backColor = before.CaptionBackColor;
  const bool ok =
      WithDialog(editor, [&](EditorDialogs& d) { return d.EditCaption(lines, font, backColor); });
  if (!ok) return;
  int16_t width = 0;
  if (!hadLines) {
    // Only a first caption gets its box sized; later the placement window sizes it.
    width = ToInt16(FirstCaptionWidth(lines, *editor.Services().media.Measurer(font)));
  }
  SlideShowDocument& document = Document(editor);
  document.EditSlide(document.IndexOf(slide), [&](SlideRecord& s) {
    s.Caption = lines;
    s.CaptionBackColor = backColor;
    font.StoreInto(s);
    if (!hadLines) s.CaptionWidth = width;
  });
}

// ---- sound ----

bool PlaySoundCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor);
}

void PlaySoundCommand::OnExecute(ShowEditor& editor) {
  const SlideId slide = editor.TargetId();
  bool play = play_;
  if (play && Target(editor).SoundName.empty()) {
    ChangeSoundCommand choose(true);
    play = editor.Execute(choose) && choose.Chosen();
  }
  SlideShowDocument& document = Document(editor);
  document.EditSlide(document.IndexOf(slide),
                     [play](SlideRecord& s) { s.PlaySound = play ? 1 : 0; });
}

bool ChangeSoundCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor) && (forNewSound_ || Target(editor).PlaySound != 0);
}

void ChangeSoundCommand::OnExecute(ShowEditor& editor) {
  const SlideId slide = editor.TargetId();
  const SlideRecord& current = Target(editor);
  FileChoice choice;
  choice.title = LRW_TR_NOOP("lrw::Messages", "Brightframework - Select a Sound File");
  choice.filter = std::string("Sound files (*.wav)|*.wav|All sound files|") + kSoundFilePatterns;
  choice.defaultSuffix = "wav";
  if (!current.SoundName.empty()) {
    choice.fileName = Cp1252ToUtf8(CutToCapacity(current.SoundPath(), kPathCapacity));
    choice.folder = Cp1252ToUtf8(current.SoundFolder);
  }
  const std::optional<std::string> chosen =
      WithDialog(editor, [&](EditorDialogs& d) { return d.OpenFile(choice); });
  if (!chosen) return;
  const std::optional<std::string> stored = Utf8ToCp1252(*chosen);
  if (!stored) {
    // Stored damaged, the name would point nowhere once the show is reopened.
    Beep(editor, BeepKind::Warning);
    TellUser(editor,
             "The name of the file \"" + *chosen +
                 "\" contains characters that a show file cannot hold.",
             "", PromptIcon::Warning);
    return;
  }
  SlideShowDocument& document = Document(editor);
  const int index = document.IndexOf(slide);
  if (index < 0) return;
  document.EditSlide(index, [&](SlideRecord& s) {
    s.SoundFolder = CutToCapacity(FolderOf(*stored), kFolderCapacity);
    s.SoundName = CutToCapacity(FileNameOf(*stored), kNameCapacity);
  });
  chosen_ = true;
  // Heard at once, as a check that it is the right sound.
  const Result<void> heard = [&] {
    ShowEditor::BusyScope busy(editor, BusyReason::Modal);
    return editor.Services().windows.PreviewSound(
        Cp1252ToUtf8(CutToCapacity(document.SlideAt(index).SoundPath(), kPathCapacity)));
  }();
  if (!heard) TellUser(editor, heard.error().message, "", PromptIcon::Error);
}

bool PreviewSoundCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor) && Target(editor).PlaySound != 0;
}

void PreviewSoundCommand::OnExecute(ShowEditor& editor) {
  const std::string path = Cp1252ToUtf8(CutToCapacity(Target(editor).SoundPath(), kPathCapacity));
  const Result<void> heard = [&] {
    ShowEditor::BusyScope busy(editor, BusyReason::Modal);
    return editor.Services().windows.PreviewSound(path);
  }();
  if (!heard) TellUser(editor, heard.error().message, "", PromptIcon::Error);
}

// ---- duration ----

bool SetDurationModeCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() >= 1 && mode_ <= DurationMode::TimeElapsed;
}

void SetDurationModeCommand::OnExecute(ShowEditor& editor) {
  EditSelected(editor, Document(editor), [this](SlideRecord& s) { s.DurationMode = mode_; });
}

bool SetSecondsCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() >= 1;
}

void SetSecondsCommand::OnExecute(ShowEditor& editor) {
  EditSelected(editor, Document(editor),
               [this](SlideRecord& s) { s.ExtraSeconds = ToInt16(seconds_); });
}

// ---- demonstration, arrangement ----

bool DemonstrateTransitionCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor);
}

void DemonstrateTransitionCommand::OnExecute(ShowEditor& editor) {
  // A copy: the demonstration lives on after the command.
  editor.Services().windows.DemonstrateTransition(Target(editor));
}

bool ArrangeSlideCommand::OnEnabled(const ShowEditor& editor) const {
  return OneSelected(editor) && editor.StageSlide() == 0;
}

void ArrangeSlideCommand::OnExecute(ShowEditor& editor) {
  const SlideId slide = editor.TargetId();
  editor.StageOpened(slide);
  editor.Services().windows.OpenStage(slide);
}

}  // namespace lrw
