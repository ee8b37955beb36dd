// The show editor without a display: the document's notices and identities, every
// command's enabling rule, undo and redo of every kind of edit, joined steps, the
// modified state and the busy state.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "designer/EditCommands.h"
#include "designer/EditorFakes.h"
#include "designer/FileCommands.h"
#include "designer/MusicCommands.h"
#include "designer/PanelCommands.h"
#include "designer/RunCommands.h"
#include "document/ShowFile.h"
#include "document/ShowFileTestSupport.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

using test::EditorRig;
using testing::ReadBytes;
using testing::TempDir;

// Records every notice as a short line.
class NoticeLog : public DocumentListener {
 public:
  std::vector<std::string> lines;
  void SlideInserted(int i) override { lines.push_back("insert " + std::to_string(i)); }
  void SlideRemoved(int i, SlideId) override { lines.push_back("remove " + std::to_string(i)); }
  void SlideMoved(int f, int t) override {
    lines.push_back("move " + std::to_string(f) + ">" + std::to_string(t));
  }
  void SlideChanged(int i, SlideFields f) override {
    lines.push_back("change " + std::to_string(i) + " " + std::to_string(ToUnderlying(f)));
  }
  void SlidesReset() override { lines.push_back("reset"); }
  void ModifiedChanged(bool m) override { lines.push_back(m ? "modified" : "unmodified"); }
  void LoopChanged() override { lines.push_back("loop"); }
};

SlideRecord Named(const std::string& name) {
  return test::SlideBuilder(FirstSlideDefaults())
      .Picture("/pictures/" + name)
      .Thumbnail(Bitmap(4, 4, 0xFF000000u | static_cast<uint32_t>(name.size())))
      .Build();
}

std::string Names(const SlideShowDocument& doc) {
  std::string all;
  for (const SlideRecord& s : doc.Slides()) all += s.IsBlank() ? std::string("_") : s.PictureName;
  return all;
}

TEST(SlideShowDocument, TellsEveryChangeAndKeepsIdentities) {
  SlideShowDocument doc;
  NoticeLog log;
  doc.AddListener(&log);
  const SlideId a = doc.InsertSlide(0, Named("a"));
  const SlideId b = doc.InsertSlide(1, Named("b"));
  const SlideId c = doc.InsertSlide(0, Named("c"));
  EXPECT_EQ(Names(doc), "cab");
  doc.SetModified(false);
  doc.MoveSlide(0, 2);
  EXPECT_EQ(Names(doc), "abc");
  EXPECT_FALSE(doc.ReplaceSlide(1, doc.SlideAt(1))) << "the same slide again is no change";
  EXPECT_TRUE(doc.EditSlide(1, [](SlideRecord& s) { s.Effect = 3; }));
  doc.ExchangeSlides(0, 2);
  EXPECT_EQ(Names(doc), "cba");
  doc.DeleteSlide(1);
  doc.SetLoop(true);
  doc.SetLoop(true);
  EXPECT_EQ(log.lines,
            (std::vector<std::string>{
                "insert 0", "modified", "insert 1", "insert 0", "unmodified", "move 0>2",
                "modified", "change 1 " + std::to_string(ToUnderlying(SlideField::Effect)),
                "move 0>2", "move 1>0", "remove 1", "loop"}));
  // Identities follow their slides through moves, inserts and deletes.
  EXPECT_EQ(doc.IndexOf(c), 0);
  EXPECT_EQ(doc.IndexOf(a), 1);
  EXPECT_EQ(doc.IndexOf(b), -1);
  EXPECT_EQ(doc.Find(b), nullptr);
  EXPECT_EQ(doc.Find(a)->PictureName, "a");
  const SlideId d = doc.InsertSlide(0, Named("d"));
  EXPECT_NE(d, b) << "an identity is never given twice";
  doc.RemoveListener(&log);
}

// Fills the editor with picture slides in the given order, saved and unmodified.
void Fill(EditorRig& rig, const std::string& names) {
  // Each lands right after the first slide, so all but the first go in backwards.
  std::vector<std::string> paths;
  if (!names.empty()) paths.push_back("/pictures/" + names.substr(0, 1) + ".bmp");
  for (size_t i = names.size(); i-- > 1;)
    paths.push_back("/pictures/" + names.substr(i, 1) + ".bmp");
  rig.editor.Execute(AddPictureFilesCommand(paths, "Add Slides"));
  rig.editor.ClearHistory();
  rig.editor.MarkSaved();
}

std::string Names(const ShowEditor& editor) {
  std::string all;
  for (const SlideRecord& s : editor.Document().Slides())
    all += s.IsBlank() ? std::string("_") : s.PictureName.substr(0, s.PictureName.find('.'));
  return all;
}

TEST(ShowEditor, EnablingRules) {
  struct Case {
    const char* state;
    std::string show;
    std::vector<int> selected;
    int current;
  };
  const Case cases[] = {
      {"empty", "", {}, -1},        {"none selected", "abc", {}, 1}, {"first", "abc", {0}, 0},
      {"middle", "abc", {1}, 1},    {"last", "abc", {2}, 2},         {"two", "abc", {0, 2}, 0},
      {"blank alone", "a", {1}, 1},  // an inserted blank slide after "a"
  };
  using Factory = std::function<std::unique_ptr<EditorCommand>()>;
  const std::pair<const char*, Factory> commands[] = {
      {"move left", [] { return std::make_unique<MoveLeftCommand>(); }},
      {"move right", [] { return std::make_unique<MoveRightCommand>(); }},
      {"delete", [] { return std::make_unique<DeleteSlidesCommand>(); }},
      {"duplicate", [] { return std::make_unique<DuplicateSlideCommand>(); }},
      {"insert blank", [] { return std::make_unique<InsertBlankCommand>(); }},
      {"effect", [] { return std::make_unique<SetEffectCommand>(35); }},
      {"centre", [] { return std::make_unique<SetCenterCommand>(true); }},
      {"show caption", [] { return std::make_unique<ShowCaptionCommand>(true); }},
      {"edit caption", [] { return std::make_unique<EditCaptionCommand>(); }},
      {"arrange", [] { return std::make_unique<ArrangeSlideCommand>(); }},
      {"save", [] { return std::make_unique<SaveShowCommand>(); }},
      {"export", [] { return std::make_unique<ExportVideoCommand>(); }},
      {"run selected",
       [] { return std::make_unique<RunShowCommand>(RunShowCommand::From::CurrentSlide); }},
      {"undo", [] { return std::make_unique<UndoCommand>(); }},
  };
  // Expected, one letter per command above: y enabled, n not.
  const std::map<std::string, std::string> expected = {
      {"empty", "nnnnynnnnnnnnn"},       {"none selected", "nnnnynnnnnyyyn"},
      {"first", "nyyyyyyynyyyyn"},       {"middle", "yyyyyyyynyyyyn"},
      {"last", "ynyyyyyynyyyyn"},        {"two", "nnynnyynnnyyyn"},
      {"blank alone", "ynyyyynynyyyyy"},
  };
  for (const Case& c : cases) {
    EditorRig rig;
    Fill(rig, c.show);
    if (std::string(c.state) == "blank alone") {
      rig.editor.Select({0}, 0);
      rig.editor.Execute(InsertBlankCommand());
    }
    rig.editor.Select(c.selected, c.current);
    std::string got;
    for (const auto& [name, make] : commands) got += rig.editor.IsEnabled(*make()) ? 'y' : 'n';
    EXPECT_EQ(got, expected.at(c.state)) << c.state;
  }
}

TEST(ShowEditor, EveryKindOfEditUndoesToTheSavedBytesAndRedoesAgain) {
  TempDir dir;
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "abcde");
  {
    SaveShowAsCommand save;
    rig.dialogs.saveFile.push_back(dir.File("show.sho"));
    ASSERT_TRUE(e.Execute(save) && save.Saved());
  }
  const std::vector<uint8_t> saved = EncodeShowFile(e.Document(), false);
  ASSERT_FALSE(e.Document().Modified());

  auto select = [&](std::vector<int> s) { e.Select(s, s.empty() ? 0 : s.front()); };
  select({1});
  EXPECT_TRUE(e.Execute(MoveRightCommand()));
  EXPECT_TRUE(e.Execute(DuplicateSlideCommand()));
  EXPECT_TRUE(e.Execute(InsertBlankCommand()));
  select({0, 3});
  EXPECT_TRUE(e.Execute(SetEffectCommand(35)));
  EXPECT_TRUE(e.Execute(SetSpeedCommand(7)));
  EXPECT_TRUE(e.Execute(SetCenterCommand(true)));
  rig.dialogs.colors.push_back(0x0000FFu);
  EXPECT_TRUE(e.Execute(ChangeBackgroundCommand()));
  EXPECT_TRUE(e.Execute(SetDurationModeCommand(DurationMode::EnterPressed)));
  EXPECT_TRUE(e.Execute(SetSecondsCommand(42)));
  select({2});
  rig.dialogs.captions.push_back(
      test::FakeEditorDialogs::CaptionAnswer{{"Hello", "World"}, {}, {}});
  EXPECT_TRUE(e.Execute(ShowCaptionCommand(true)));
  rig.dialogs.openFile.push_back("/sounds/chime.wav");
  EXPECT_TRUE(e.Execute(PlaySoundCommand(true)));
  EXPECT_TRUE(e.Execute(ToggleLoopCommand()));
  rig.dialogs.openFiles.push_back(std::vector<std::string>{"/pictures/x.bmp", "/pictures/y.bmp"});
  EXPECT_TRUE(e.Execute(AddSlidesCommand()));
  select({0, 1, 5});
  rig.prompts.answers.push_back(PromptAnswer::Yes);
  EXPECT_TRUE(e.Execute(DeleteSlidesCommand()));
  select({0});
  EXPECT_TRUE(e.Execute(ArrangeSlideCommand()));
  SlideRecord arranged = e.Document().SlideAt(0);
  arranged.ImageLeft = 17;
  e.FinishArrangement(arranged);

  const std::vector<uint8_t> edited = EncodeShowFile(e.Document(), false);
  ASSERT_NE(edited, saved);
  EXPECT_TRUE(e.Document().Modified());
  int steps = 0;
  while (e.IsEnabled(UndoCommand())) {
    e.Execute(UndoCommand());
    ++steps;
  }
  EXPECT_EQ(steps, 15) << "one step per command";
  EXPECT_EQ(EncodeShowFile(e.Document(), false), saved);
  EXPECT_FALSE(e.Document().Modified()) << "back at the saved state";
  while (e.Execute(RedoCommand())) {
  }
  EXPECT_EQ(EncodeShowFile(e.Document(), false), edited);
  EXPECT_TRUE(e.Document().Modified());
}

TEST(ShowEditor, DraggingAndTypingJoinIntoOneStep) {
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "ab");
  e.Select({0, 1}, 0);
  for (int speed : {3, 4, 5, 6}) e.Execute(SetSpeedCommand(speed));
  for (int seconds : {1, 12, 120}) e.Execute(SetSecondsCommand(seconds));
  EXPECT_EQ(e.History().Count(), 2);
  EXPECT_EQ(e.History().UndoStep().name, "Seconds");
  e.Execute(UndoCommand());
  EXPECT_EQ(e.Document().SlideAt(1).ExtraSeconds, 5);
  EXPECT_EQ(e.Document().SlideAt(1).BoxWidth, 6);
  e.Execute(UndoCommand());
  EXPECT_EQ(e.Document().SlideAt(1).BoxWidth, 2);
  EXPECT_FALSE(e.Document().Modified());
  // Dragged back to where it was, the step cancels out; another selection starts a new one.
  e.Execute(SetSpeedCommand(9));
  e.Execute(SetSpeedCommand(2));
  EXPECT_FALSE(e.History().CanUndo());
  EXPECT_FALSE(e.Document().Modified());
  e.Execute(SetSpeedCommand(9));
  e.Select({0}, 0);
  e.Execute(SetSpeedCommand(8));
  EXPECT_EQ(e.History().Count(), 2);
}

TEST(ShowEditor, ModifiedFollowsTheHistoryThroughSaves) {
  TempDir dir;
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "abc");
  e.Select({1}, 1);
  e.Execute(SetEffectCommand(5));
  EXPECT_TRUE(e.Document().Modified());
  rig.dialogs.saveFile.push_back(dir.File("s.sho"));
  e.Execute(SaveShowCommand());
  EXPECT_FALSE(e.Document().Modified());
  EXPECT_EQ(e.TitlePath(), dir.File("s.sho"));
  e.Execute(SetEffectCommand(6));
  e.Execute(UndoCommand());
  EXPECT_FALSE(e.Document().Modified()) << "undone back to what is on disk";
  e.Execute(UndoCommand());
  EXPECT_TRUE(e.Document().Modified()) << "undone past what is on disk";
  e.Execute(RedoCommand());
  EXPECT_FALSE(e.Document().Modified());
  e.Execute(UndoCommand());
  e.Execute(SetEffectCommand(7));  // the saved state can no longer be reached
  e.Execute(UndoCommand());
  EXPECT_TRUE(e.Document().Modified());
  rig.prompts.answers = {PromptAnswer::Yes};
  EXPECT_EQ(QuerySaveChanges(e, true), PromptAnswer::Yes) << "saved under its own name";
  EXPECT_FALSE(e.Document().Modified());

  // Yes for a show without a file, and the name dialog cancelled: nothing may go on.
  EditorRig fresh;
  Fill(fresh, "ab");
  fresh.editor.Select({0}, 0);
  fresh.editor.Execute(DuplicateSlideCommand());
  fresh.prompts.answers = {PromptAnswer::Yes};
  EXPECT_EQ(QuerySaveChanges(fresh.editor, true), PromptAnswer::Cancel);
  fresh.prompts.answers = {PromptAnswer::Yes};
  fresh.dialogs.openFile.push_back(dir.File("s.sho"));
  fresh.editor.Execute(CloseShowCommand());
  fresh.editor.Execute(OpenShowCommand());
  EXPECT_EQ(Names(fresh.editor), "aab") << "neither closed nor replaced";
  // No to the delete question changes nothing; No to the save question closes the show.
  fresh.prompts.answers = {PromptAnswer::No, PromptAnswer::No};
  fresh.editor.Execute(DeleteSlidesCommand());
  EXPECT_EQ(Names(fresh.editor), "aab");
  fresh.editor.Execute(CloseShowCommand());
  EXPECT_EQ(fresh.editor.Document().Count(), 0);
  EXPECT_FALSE(fresh.editor.Document().Modified());
  EXPECT_FALSE(fresh.editor.History().CanUndo()) << "closing clears the history";
}

TEST(ShowEditor, UndoBringsBackTheSelectionOfItsMoment) {
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "abcd");
  e.Select({1, 3}, 3);
  rig.prompts.answers.push_back(PromptAnswer::Yes);
  e.Execute(DeleteSlidesCommand());
  EXPECT_EQ(Names(e), "ac");
  EXPECT_EQ(e.SelectedCount(), 0);
  e.Execute(UndoCommand());
  EXPECT_EQ(Names(e), "abcd");
  EXPECT_EQ(e.SelectedIndices(), (std::vector<int>{1, 3}));
  EXPECT_EQ(e.CurrentIndex(), 3);
  e.Select({2}, 2);
  e.Execute(MoveLeftCommand());
  e.Select({0}, 0);
  e.Execute(UndoCommand());
  EXPECT_EQ(e.SelectedIndices(), (std::vector<int>{2}));
  e.Execute(RedoCommand());
  EXPECT_EQ(Names(e), "acbd");
  EXPECT_EQ(e.SelectedIndices(), (std::vector<int>{1})) << "the moved slide, where it went";
}

TEST(ShowEditor, PerSlideCommandsChangeTheSelectedSlideWhereverTheFocusIs) {
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "abc");
  // As Ctrl+click and Ctrl+arrows leave it: slide a selected, the focus on slide c.
  e.Select({0}, 2);
  EXPECT_EQ(e.CurrentIndex(), 2);
  EXPECT_EQ(e.TargetIndex(), 0);
  rig.dialogs.captions.push_back(test::FakeEditorDialogs::CaptionAnswer{{"on a"}, {}, {}});
  e.Execute(ShowCaptionCommand(true));
  EXPECT_EQ(e.Document().SlideAt(0).ShowCaption, 1);
  EXPECT_EQ(e.Document().SlideAt(2).ShowCaption, 0);
  e.Execute(MoveRightCommand());
  EXPECT_EQ(Names(e), "bac");
  EXPECT_EQ(e.CurrentIndex(), 1) << "the moved slide becomes current";
  // With none selected the focus says where new slides go.
  e.Select({}, 2);
  e.Execute(InsertBlankCommand());
  EXPECT_EQ(Names(e), "bac_");
}

TEST(ShowEditor, NothingChangesTheShowWhileItIsBusy) {
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "abc");
  e.Select({1}, 1);
  std::vector<bool> refused;
  auto tryEverything = [&] {
    refused.push_back(!e.Execute(InsertBlankCommand()) &&
                      !e.Execute(AddPictureFilesCommand({"/pictures/z.bmp"}, "Drop")) &&
                      !e.Execute(UndoCommand()) && !e.Execute(LoadShowCommand("/nowhere.sho")));
  };
  rig.dialogs.whileOpen = tryEverything;  // a colour dialog is up
  rig.dialogs.colors.push_back(0x00FF00u);
  e.Execute(ChangeBackgroundCommand());
  rig.windows.whileRunning = tryEverything;  // the show runs, a video is made
  e.Execute(RunShowCommand(RunShowCommand::From::Beginning));
  e.Execute(ExportVideoCommand());
  EXPECT_EQ(rig.windows.exports, std::vector<size_t>{3});
  e.Execute(ArrangeSlideCommand());  // the stage is open
  ASSERT_EQ(rig.windows.stages, std::vector<SlideId>{e.Document().IdAt(1)});
  tryEverything();
  EXPECT_FALSE(e.Execute(ArrangeSlideCommand())) << "one stage at a time";
  EXPECT_EQ(refused, (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(Names(e), "abc");
  // The stage writes back into its own slide only, as one step.
  SlideRecord arranged = e.Document().SlideAt(1);
  arranged.CenterImage = 0;
  arranged.ImageLeft = -40;
  e.FinishArrangement(arranged);
  EXPECT_FALSE(e.Busy());
  EXPECT_EQ(e.Document().SlideAt(1).ImageLeft, -40);
  EXPECT_EQ(e.Document().SlideAt(0).ImageLeft, 0);
  EXPECT_EQ(e.History().UndoStep().name, "Arrange Slide");
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

// Music and shuffle are undoable steps; fitting sets the timed slides so that the show lasts as
// long as the music; Save As 4.0 says first what it drops and leaves the 4.0 show behind.
TEST(ShowEditor, MusicUndoesFitsTheShowAndSaveAsVersion4DropsItAfterAsking) {
  TempDir dir;
  EditorRig rig;
  ShowEditor& e = rig.editor;
  Fill(rig, "abcd");
  e.Select({1}, 1);
  e.Execute(SetDurationModeCommand(DurationMode::EnterPressed));
  e.Select({2}, 2);
  rig.dialogs.openFile.push_back("/sounds/chime.wav");
  e.Execute(PlaySoundCommand(true));
  e.Execute(SetDurationModeCommand(DurationMode::SoundEnded));
  const std::string path = dir.File("show.sho");
  rig.dialogs.saveFile.push_back(path);
  ASSERT_TRUE(e.Execute(SaveShowAsCommand()));
  const std::vector<uint8_t> version4 = ReadBytes(path);

  ShowMusic music;
  music.tracks = {"/music/one.flac"};
  rig.dialogs.music.push_back(MusicChoice{music, false});
  ASSERT_TRUE(e.Execute(EditMusicCommand()));
  EXPECT_TRUE(NeedsVersion5(e.Document()));
  e.Execute(UndoCommand());
  EXPECT_EQ(EncodeShowFile(e.Document(), false), version4);
  EXPECT_FALSE(e.Document().Modified());
  e.Execute(RedoCommand());

  const auto sound = [](const std::string&) { return std::optional<double>(3.0); };
  const double before = ShowSeconds(e.Document().Slides(), 5, sound);
  ASSERT_TRUE(e.Execute(FitShowToMusicCommand()));
  EXPECT_NEAR(ShowSeconds(e.Document().Slides(), 5, sound), 61, 1.0);
  EXPECT_EQ(e.Document().SlideAt(1).ExtraSeconds, 5) << "a slide waiting for Enter keeps its";
  e.Execute(UndoCommand());
  EXPECT_DOUBLE_EQ(ShowSeconds(e.Document().Slides(), 5, sound), before) << "one step";
  EXPECT_TRUE(e.Document().Music().Present());

  // Shuffle is one more undoable show setting that the 4.0 file does not keep.
  ASSERT_TRUE(e.Execute(ToggleShuffleCommand()));
  e.Execute(UndoCommand());
  EXPECT_FALSE(e.Document().Shuffle());
  e.Execute(RedoCommand());
  ASSERT_TRUE(e.Document().Shuffle());

  // Save As "Lanternreelworks 4.0 show": asked first; No writes nothing.
  const std::string old = dir.File("old.sho");
  for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
    rig.dialogs.saveFile.push_back(old);
    rig.dialogs.saveFilter.push_back(1);
    rig.prompts.answers.push_back(answer);
    SaveShowAsCommand saveAs;
    e.Execute(saveAs);
    EXPECT_NE(rig.prompts.asked.back().text.find(
                  "does not keep the music (1 file) and the shuffled order"),
              std::string::npos);
    EXPECT_EQ(saveAs.Saved(), answer == PromptAnswer::Yes);
  }
  EXPECT_EQ(ReadBytes(old), version4);
  EXPECT_FALSE(e.Document().Music().Present()) << "the show holds what its file holds";
  EXPECT_FALSE(e.Document().Shuffle());
  EXPECT_FALSE(e.Document().Modified());
  e.Execute(UndoCommand());
  EXPECT_TRUE(e.Document().Music().Present());
  EXPECT_TRUE(e.Document().Shuffle());
  EXPECT_TRUE(e.Document().Modified());
}

}  // namespace
}  // namespace lrw
