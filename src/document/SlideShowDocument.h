// The one show the designer edits: the ordered slides, the file it belongs to, the loop
// flag and whether there are unsaved changes. The slides are private: every change goes
// through the operations below, which tell the listeners and set the modified state
// themselves, only when something really changed. Each slide has an identity that
// survives moves and other slides' insertions and deletions; whoever keeps a slide
// across events keeps its identity, never an index or a pointer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Flags.h"
#include "document/ShowMusic.h"
#include "document/SlideRecord.h"

namespace lrw {

// Never 0 for a slide; never given twice by the same document.
using SlideId = uint64_t;

// Which parts of a slide a change touched (a notice may name several).
enum class SlideField : uint32_t {
  None = 0,
  Picture = 1u << 0,     // folder, name, format
  Placement = 1u << 1,   // picture box
  Center = 1u << 2,      // CenterImage
  Background = 1u << 3,  // BackgroundColor
  ShowCaption = 1u << 4,
  Caption = 1u << 5,  // text, font, box colour and placement
  Effect = 1u << 6,   // the block effect and the smooth transition
  Speed = 1u << 7,
  Sound = 1u << 8,     // PlaySound, folder, name
  Duration = 1u << 9,  // DurationMode, ExtraSeconds
  Thumbnail = 1u << 10,
  Motion = 1u << 11,  // the picture's motion (5.0)
};
template <>
inline constexpr bool kIsFlagEnum<SlideField> = true;
using SlideFields = SlideField;

// The fields in which two versions of a slide differ.
SlideFields ChangedFields(const SlideRecord& before, const SlideRecord& after);

// Told of every change, after it happened. Indices are those after the change.
class DocumentListener {
 public:
  virtual ~DocumentListener() = default;
  virtual void SlideInserted(int /*index*/) {}
  virtual void SlideRemoved(int /*index*/, SlideId /*id*/) {}
  virtual void SlideMoved(int /*from*/, int /*to*/) {}
  virtual void SlideChanged(int /*index*/, SlideFields /*fields*/) {}
  // Every slide was replaced (a show opened, closed or started anew).
  virtual void SlidesReset() {}
  virtual void ModifiedChanged(bool /*modified*/) {}
  virtual void FileNameChanged() {}
  virtual void LoopChanged() {}
  virtual void MusicChanged() {}
  virtual void ShuffleChanged() {}
};

// Sees every change to the slides, the loop and shuffle flags and the music as one of these steps,
// so that they can be undone. Opening, closing and saving are not steps.
struct DocumentStep {
  enum class Kind { Insert, Remove, Move, Change, Loop, Music, Shuffle } kind = Kind::Insert;
  int index = 0;          // Insert, Remove, Change: the slide's index; Move: from
  int to = 0;             // Move
  SlideId id = 0;         // Insert, Remove, Change
  SlideRecord before;     // Remove, Change
  SlideRecord after;      // Insert, Change
  bool loop = false;      // Loop: the new value
  bool shuffle = false;   // Shuffle: the new value
  ShowMusic musicBefore;  // Music
  ShowMusic musicAfter;   // Music
};

class DocumentRecorder {
 public:
  virtual ~DocumentRecorder() = default;
  virtual void Record(DocumentStep step) = 0;
};

class SlideShowDocument {
 public:
  SlideShowDocument() = default;
  SlideShowDocument(const SlideShowDocument&) = delete;
  SlideShowDocument& operator=(const SlideShowDocument&) = delete;
  // The show moves; who listens to the old object does not move with it.
  SlideShowDocument(SlideShowDocument&& other) noexcept
      : slides_(std::move(other.slides_)),
        ids_(std::move(other.ids_)),
        nextId_(other.nextId_),
        fileName_(std::move(other.fileName_)),
        loop_(other.loop_),
        music_(std::move(other.music_)),
        shuffle_(other.shuffle_),
        modified_(other.modified_) {}

  // ---- reading ----
  int Count() const { return static_cast<int>(slides_.size()); }
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
  const SlideRecord& SlideAt(int index) const { return slides_.at(static_cast<size_t>(index)); }
  SlideId IdAt(int index) const { return ids_.at(static_cast<size_t>(index)); }
  // -1 when the slide is gone.
  int IndexOf(SlideId id) const;
  const SlideRecord* Find(SlideId id) const;
  // In show order; for readers that take the whole show (file writer, player).
  const std::vector<SlideRecord>& Slides() const { return slides_; }

  const std::string& FileName() const { return fileName_; }  // UTF-8; empty: no file yet
  bool Loop() const { return loop_; }
  const ShowMusic& Music() const { return music_; }
  // The slides play in a random order, a new one each loop.
  bool Shuffle() const { return shuffle_; }
  bool Modified() const { return modified_; }
  const std::vector<uint8_t>& StoredHeader() const { return storedHeader_; }

  // ---- changing (each tells the listeners and sets Modified on a real change) ----
  // Inserts at `index` (clamped to the ends) and returns the new slide's identity;
  // `id` restores a removed slide under its old identity (undo).
  SlideId InsertSlide(int index, SlideRecord slide, SlideId id = 0);
  // An index outside the show does nothing.
  void DeleteSlide(int index);
  void MoveSlide(int from, int to);
  void ExchangeSlides(int i, int j);
  // Replaces slide `index`; false (and nothing told) when it is the same.
  bool ReplaceSlide(int index, SlideRecord after);
  // Changes slide `index` through `edit`; false when nothing changed.
  template <typename Edit>
  bool EditSlide(int index, Edit&& edit) {
    if (!ValidIndex(index)) return false;
    SlideRecord copy = SlideAt(index);
    edit(copy);
    return ReplaceSlide(index, std::move(copy));
  }
  void SetLoop(bool loop);
  // False (and nothing told) when it is the same.
  bool SetMusic(ShowMusic music);
  void SetShuffle(bool shuffle);

  // ---- whole-show operations (not undoable steps) ----
  // A show read from a file: slides, file name, loop flag, music and shuffle replaced;
  // unmodified.
  // `storedHeader`: the file's header and origin block as read, written again while the
  // show stays a 4.0 file (see ShowFileContent).
  void Load(std::vector<SlideRecord> slides, std::string fileName, bool loop, ShowMusic music = {},
            bool shuffle = false, std::vector<uint8_t> storedHeader = {});
  // Releases every slide, the music and the shuffle and clears Modified; file name and loop
  // flag stay.
  void ReleaseSlides();
  void SetFileName(std::string fileName);
  void SetModified(bool modified);

  // ---- slides made from the show ----
  // The slide a new slide starts from: a copy of slide `current`, or the defaults.
  SlideRecord TemplateFor(int current) const;
  // A blank slide copied from `current` (or the first-slide defaults), inserted right
  // after it. Returns its index.
  int NewBlankSlide(int current);
  // A copy of slide `index` with its own caption and thumbnail and without sound,
  // inserted right after it. Returns its index, or -1 for a bad index.
  int DuplicateSlide(int index);

  // ---- who is told ----
  void AddListener(DocumentListener* listener);
  void RemoveListener(DocumentListener* listener);
  // At most one; null stops recording.
  void SetRecorder(DocumentRecorder* recorder) { recorder_ = recorder; }

 private:
  template <typename Notice>
  void Tell(Notice&& notice) {
    // A copy: a listener may remove itself while being told.
    const std::vector<DocumentListener*> listeners = listeners_;
    for (DocumentListener* l : listeners) notice(*l);
  }
  void Changed();
  void Record(DocumentStep step);

  std::vector<SlideRecord> slides_;
  std::vector<SlideId> ids_;  // parallel to slides_
  SlideId nextId_ = 1;
  std::string fileName_;
  bool loop_ = false;
  ShowMusic music_;
  bool shuffle_ = false;
  std::vector<uint8_t> storedHeader_;
  bool modified_ = false;
  std::vector<DocumentListener*> listeners_;
  DocumentRecorder* recorder_ = nullptr;
};

// The blank slide made from a template (its settings kept, its content cleared).
SlideRecord MakeBlankSlide(SlideRecord from);

}  // namespace lrw
