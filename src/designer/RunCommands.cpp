#include "designer/RunCommands.h"

#include "player/SlideOrder.h"

namespace lrw {

bool ToggleLoopCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.Document().Count() > 0;
}

void ToggleLoopCommand::OnExecute(ShowEditor& editor) {
  Document(editor).SetLoop(!editor.Document().Loop());
}

bool ToggleShuffleCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.Document().Count() > 0;
}

void ToggleShuffleCommand::OnExecute(ShowEditor& editor) {
  Document(editor).SetShuffle(!editor.Document().Shuffle());
}

bool RunShowCommand::OnEnabled(const ShowEditor& editor) const {
  if (from_ == From::Beginning) return editor.Document().Count() > 0;
  return editor.Document().ValidIndex(editor.CurrentIndex());
}

void RunShowCommand::OnExecute(ShowEditor& editor) {
  const bool fromStart = from_ == From::Beginning;
  const int start = fromStart ? 0 : editor.CurrentIndex();
  const bool loop = fromStart && editor.Memory().runOnce ? false : editor.Document().Loop();
  // The player keeps its own copy; nothing changes the show while it runs.
  ShowEditor::BusyScope busy(editor, BusyReason::Show);
  std::optional<uint64_t> seed;
  if (editor.Document().Shuffle()) seed = FreshSeed();
  editor.Services().windows.RunShow(editor.Document().Slides(), start, loop,
                                    editor.Document().Music(), seed);
}

}  // namespace lrw
