// Stand-ins for what the show editor asks of the desktop, so that its commands are tested
// without a display: scripted dialog answers, recorded window requests, pictures made
// from their names and text measured at fixed widths.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "designer/EditorServices.h"
#include "designer/ShowEditor.h"
#include "document/Paths.h"
#include "player/FixedWidthMeasurer.h"
#include "support/FakePrompts.h"

namespace lrw::test {

template <typename T>
std::optional<T> TakeFront(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> v = std::move(queue.front());
  queue.pop_front();
  return v;
}

class FakeEditorDialogs : public EditorDialogs {
 public:
  std::deque<std::optional<std::string>> openFile, saveFile;
  std::deque<std::optional<std::vector<std::string>>> openFiles;
  std::deque<std::optional<uint32_t>> colors;
  struct CaptionAnswer {
    std::vector<std::string> lines;
    std::optional<CaptionFontRecord> font;  // unchanged when not given
    std::optional<uint32_t> back;
  };
  std::deque<std::optional<CaptionAnswer>> captions;
  std::deque<std::optional<MusicChoice>> music;
  // Something the test does while a dialog is up (it is, for the editor, busy then).
  std::function<void()> whileOpen;

  std::optional<std::string> OpenFile(const FileChoice& c) override { return Take(c, openFile); }
  std::optional<std::vector<std::string>> OpenFiles(const FileChoice& c) override {
    return Take(c, openFiles);
  }
  std::deque<int> saveFilter;  // the file type chosen in each save dialog (else the first)
  std::optional<std::string> SaveFile(const FileChoice& c) override {
    if (c.chosenFilter) *c.chosenFilter = saveFilter.empty() ? 0 : saveFilter.front();
    if (!saveFilter.empty()) saveFilter.pop_front();
    return Take(c, saveFile);
  }
  std::optional<uint32_t> ChooseColor(uint32_t) override {
    Up();
    return TakeFront(colors);
  }
  std::optional<MusicChoice> EditMusic(const ShowMusic&, const std::vector<SlideRecord>&) override {
    Up();
    return TakeFront(music);
  }
  bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                   uint32_t& back) override {
    Up();
    const std::optional<CaptionAnswer> a = TakeFront(captions);
    if (!a) return false;
    lines = a->lines;
    if (a->font) font = *a->font;
    if (a->back) back = *a->back;
    return true;
  }

 private:
  void Up() {
    if (whileOpen) whileOpen();
  }
  template <typename T>
  std::optional<T> Take(const FileChoice&, std::deque<std::optional<T>>& q) {
    Up();
    return TakeFront(q);
  }
};

class FakeEditorWindows : public EditorWindows {
 public:
  struct Run {
    size_t slides;
    int start;
    bool loop;
    std::optional<uint64_t> shuffleSeed;
  };
  std::vector<Run> runs;
  std::vector<SlideId> stages;
  std::function<void()> whileRunning;

  void RunShow(std::vector<SlideRecord> slides, int start, bool loop, const ShowMusic&,
               std::optional<uint64_t> shuffleSeed) override {
    runs.push_back({slides.size(), start, loop, shuffleSeed});
    if (whileRunning) whileRunning();
  }
  void OpenStage(SlideId slide) override { stages.push_back(slide); }
  void DemonstrateTransition(const SlideRecord&) override {}
  void ExportVideo(std::vector<SlideRecord> slides, const std::string&, const ShowMusic&) override {
    exports.push_back(slides.size());
    if (whileRunning) whileRunning();
  }
  std::vector<size_t> exports;
  Result<void> PreviewSound(const std::string&) override { return {}; }
  std::unique_ptr<ImportProgress> BeginImport(int) override { return nullptr; }
  void CloseDesigner() override {}
  void SetBusyPointer(bool) override {}
};

// A picture file "NAME.bmp" becomes a 100 x 50 picture slide named after it; a name
// containing "broken" fails to decode, "far" lies on a removable disk.
class FakeEditorMedia : public EditorMedia {
 public:
  // Made at once, in order, on the caller's thread.
  struct Imports : PictureImports {
    std::vector<PictureImport> made;
    size_t next = 0;
    size_t Count() const override { return made.size(); }
    bool Done() const override { return next >= made.size(); }
    bool NextReady() const override { return true; }
    PictureImport TakeNext() override { return std::move(made[next++]); }
  };
  std::unique_ptr<PictureImports> ImportPictures(std::vector<std::string> paths,
                                                 const SlideRecord& from,
                                                 std::function<void()>) override {
    auto imports = std::make_unique<Imports>();
    for (const std::string& path : paths) imports->made.push_back(ImportPicture(path, from));
    return imports;
  }
  PictureImport ImportPicture(const std::string& path, const SlideRecord& from) {
    if (path.find("broken") != std::string::npos) return Fail("Cannot read " + path);
    if (path.find("far") != std::string::npos) {
      return Fail(ErrorKind::Refused, "Image " + path + " is on a removeable disk");
    }
    SlideRecord s = from;
    s.PictureFolder = FolderOf(path);
    s.PictureName = FileNameOf(path);
    s.ImageWidth = 100;
    s.ImageHeight = 50;
    s.Caption.clear();
    s.ShowCaption = 0;
    s.PlaySound = 0;
    s.SoundFolder.clear();
    s.SoundName.clear();
    s.Thumbnail = Bitmap(6, 3, 0xFF102030);
    return s;
  }
  std::unique_ptr<TextMeasurer> Measurer(const CaptionFontRecord&) override {
    return std::make_unique<FixedWidthMeasurer>(5);
  }
  int ScreenWidth() const override { return 1024; }
  int ScreenHeight() const override { return 768; }
  // Every sound lasts 3 s, and the music as long as `musicSeconds`.
  double musicSeconds = 61;
  std::optional<double> SoundSeconds(const std::string&) override { return 3.0; }
  double MusicSeconds(const ShowMusic& m) override { return m.Present() ? musicSeconds : 0; }
};

// An editor with all of the above.
struct EditorRig {
  FakePrompts prompts;
  FakeEditorDialogs dialogs;
  FakeEditorWindows windows;
  FakeEditorMedia media;
  ShowEditor editor{EditorServices{prompts, dialogs, windows, media}};
};

}  // namespace lrw::test
