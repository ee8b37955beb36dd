// What the show editor needs from the world around it: dialogs, the windows it opens,
// picture decoding, sound and text measuring. Qt-free interfaces, so that the editor and
// its commands are tested without a display; the designer window supplies the real ones.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/CaptionFontRecord.h"
#include "document/SlideShowDocument.h"
#include "import/PictureImport.h"
#include "player/TextMeasurer.h"

namespace lrw {

class Prompts;

// The file dialogs' settings, in the designer's notation ("Text|*.a;*.b|Text2|*.c").
struct FileChoice {
  std::string title;  // empty: the toolkit's default title
  std::string filter;
  std::string defaultSuffix;  // without the dot
  std::string folder;         // where the dialog opens (UTF-8, may be empty)
  std::string fileName;       // preset (UTF-8)
  bool overwritePrompt = false;
  int* chosenFilter = nullptr;  // when given, set to the index of the file type chosen
};

// What the music dialog gives back: the music, and whether the show is to be fitted to it.
struct MusicChoice {
  ShowMusic music;
  bool fit = false;
};

// The common dialogs. Paths are UTF-8; each returns nothing when cancelled.
class EditorDialogs {
 public:
  virtual ~EditorDialogs() = default;
  virtual std::optional<std::string> OpenFile(const FileChoice& choice) = 0;
  virtual std::optional<std::vector<std::string>> OpenFiles(const FileChoice& choice) = 0;
  virtual std::optional<std::string> SaveFile(const FileChoice& choice) = 0;
  // A record colour in and out; a system colour given is shown as what it stands for.
  virtual std::optional<uint32_t> ChooseColor(uint32_t initial) = 0;
  // The caption editor on working copies; true (and the three updated) on OK. A colour
  // or font left unchanged keeps its record value, so a system colour stays one.
  virtual bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                           uint32_t& backColor) = 0;
  // The music dialog on a copy of the show's music; `slides` for the show's length.
  virtual std::optional<MusicChoice> EditMusic(const ShowMusic& music,
                                               const std::vector<SlideRecord>& slides) = 0;
};

// The progress of a long import, which keeps the windows answering while pictures are
// read on worker threads.
class ImportProgress {
 public:
  virtual ~ImportProgress() = default;
  // `done` files are in and `fileName` is awaited; false when the user cancelled.
  virtual bool Step(int done, const std::string& fileName) = 0;
  // Keeps the windows answering until `ready` holds (true) or the user cancels (false).
  virtual bool WaitUntil(const std::function<bool()>& ready) = 0;
  // Has WaitUntil ask `ready` again; called from any thread.
  virtual void Wake() = 0;
};

// The windows and devices the commands use.
class EditorWindows {
 public:
  virtual ~EditorWindows() = default;
  // Runs the show full screen from `startIndex` and returns when it has ended. The
  // player gets its own copy of the slides. With a seed the show plays shuffled
  // (player/SlideOrder), in the order that seed gives.
  virtual void RunShow(std::vector<SlideRecord> slides, int startIndex, bool loop,
                       const ShowMusic& music, std::optional<uint64_t> shuffleSeed) = 0;
  // Opens the arrangement stage on the slide; it reports its end with
  // ShowEditor::FinishArrangement.
  virtual void OpenStage(SlideId slide) = 0;
  // Plays the slide's transition between the two sample pictures.
  virtual void DemonstrateTransition(const SlideRecord& slide) = 0;
  // Plays at most the first five seconds of a sound and waits; fails with the player's
  // error text.
  virtual Result<void> PreviewSound(const std::string& utf8Path) = 0;
  // "E&xport as Video...": the options, then the video made from this copy of the show
  // (named after `showFileName` where it has one), with progress; returns when done.
  virtual void ExportVideo(std::vector<SlideRecord> slides, const std::string& showFileName,
                           const ShowMusic& music) = 0;
  // Progress of adding `count` files; null when no progress is shown.
  virtual std::unique_ptr<ImportProgress> BeginImport(int count) = 0;
  // The designer window closes (Exit); it asks nothing more, the show being unmodified.
  virtual void CloseDesigner() = 0;
  // Shows the busy pointer while a long file operation runs.
  virtual void SetBusyPointer(bool busy) = 0;
};

// Decoding and measuring, which live in the media and window layers.
class EditorMedia {
 public:
  virtual ~EditorMedia() = default;
  // Starts reading the picture files on worker threads, each becoming a slide built
  // from `from` and centred on the screen; the results come in the order given.
  // `arrived` is called on a worker thread whenever a result is there, for as long as
  // the returned object lives.
  virtual std::unique_ptr<PictureImports> ImportPictures(std::vector<std::string> utf8Paths,
                                                         const SlideRecord& from,
                                                         std::function<void()> arrived) = 0;
  // Measures text in a caption font.
  virtual std::unique_ptr<TextMeasurer> Measurer(const CaptionFontRecord& font) = 0;
  // The screen size slides are placed on, in logical pixels.
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  // The picture's own size (upright), or nothing when it cannot be read.
  virtual std::optional<std::pair<int, int>> PictureOwnSize(const std::string& /*utf8Path*/) {
    return std::nullopt;
  }
  // The length of a sound file in seconds; nothing when it cannot be played.
  virtual std::optional<double> SoundSeconds(const std::string& utf8Path) = 0;
  // The total length of the music's files that can be played, in seconds.
  virtual double MusicSeconds(const ShowMusic& music) = 0;
};

struct EditorServices {
  Prompts& prompts;
  EditorDialogs& dialogs;
  EditorWindows& windows;
  EditorMedia& media;
};

}  // namespace lrw
