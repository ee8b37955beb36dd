#include "document/SlideShowDocument.h"

#include <algorithm>
#include <utility>

namespace lrw {

SlideFields ChangedFields(const SlideRecord& a, const SlideRecord& b) {
  SlideFields f = SlideField::None;
  if (a.PictureFolder != b.PictureFolder || a.PictureName != b.PictureName ||
      a.PictureFormat != b.PictureFormat) {
    f |= SlideField::Picture;
  }
  if (a.ImageHeight != b.ImageHeight || a.ImageWidth != b.ImageWidth || a.ImageTop != b.ImageTop ||
      a.ImageLeft != b.ImageLeft) {
    f |= SlideField::Placement;
  }
  if (a.CenterImage != b.CenterImage) f |= SlideField::Center;
  if (a.BackgroundColor != b.BackgroundColor) f |= SlideField::Background;
  if (a.ShowCaption != b.ShowCaption) f |= SlideField::ShowCaption;
  if (a.Caption != b.Caption || a.CaptionFontName != b.CaptionFontName ||
      a.CaptionFontSize != b.CaptionFontSize || a.CaptionFontColor != b.CaptionFontColor ||
      a.CaptionFontStyle != b.CaptionFontStyle || a.CaptionBackColor != b.CaptionBackColor ||
      a.CaptionTop != b.CaptionTop || a.CaptionLeft != b.CaptionLeft ||
      a.CaptionWidth != b.CaptionWidth) {
    f |= SlideField::Caption;
  }
  if (a.Effect != b.Effect || a.Smooth != b.Smooth) f |= SlideField::Effect;
  if (a.Motion != b.Motion) f |= SlideField::Motion;
  if (a.BoxWidth != b.BoxWidth) f |= SlideField::Speed;
  if (a.PlaySound != b.PlaySound || a.SoundFolder != b.SoundFolder || a.SoundName != b.SoundName) {
    f |= SlideField::Sound;
  }
  if (a.DurationMode != b.DurationMode || a.ExtraSeconds != b.ExtraSeconds)
    f |= SlideField::Duration;
  if (a.Thumbnail != b.Thumbnail) f |= SlideField::Thumbnail;
  return f;
}

int SlideShowDocument::IndexOf(SlideId id) const {
  if (id == 0) return -1;
  const auto it = std::find(ids_.begin(), ids_.end(), id);
  return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
}

const SlideRecord* SlideShowDocument::Find(SlideId id) const {
  const int index = IndexOf(id);
  return index < 0 ? nullptr : &slides_[static_cast<size_t>(index)];
}

void SlideShowDocument::Changed() {
  if (modified_) return;
  modified_ = true;
  Tell([](DocumentListener& l) { l.ModifiedChanged(true); });
}

void SlideShowDocument::Record(DocumentStep step) {
  if (recorder_) recorder_->Record(std::move(step));
}

SlideId SlideShowDocument::InsertSlide(int index, SlideRecord slide, SlideId id) {
  index = std::clamp(index, 0, Count());
  if (id == 0 || IndexOf(id) >= 0) id = nextId_;
  nextId_ = std::max(nextId_, id + 1);
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Insert;
    step.index = index;
    step.id = id;
    step.after = slide;
    Record(std::move(step));
  }
  slides_.insert(slides_.begin() + index, std::move(slide));
  ids_.insert(ids_.begin() + index, id);
  Tell([index](DocumentListener& l) { l.SlideInserted(index); });
  Changed();
  return id;
}

void SlideShowDocument::DeleteSlide(int index) {
  if (!ValidIndex(index)) return;
  const auto at = static_cast<size_t>(index);
  const SlideId id = ids_[at];
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Remove;
    step.index = index;
    step.id = id;
    step.before = slides_[at];
    Record(std::move(step));
  }
  slides_.erase(slides_.begin() + index);
  ids_.erase(ids_.begin() + index);
  Tell([index, id](DocumentListener& l) { l.SlideRemoved(index, id); });
  Changed();
}

void SlideShowDocument::MoveSlide(int from, int to) {
  if (!ValidIndex(from) || !ValidIndex(to) || from == to) return;
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Move;
    step.index = from;
    step.to = to;
    Record(std::move(step));
  }
  auto rotate = [from, to](auto& v) {
    if (from < to)
      std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
      std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
  };
  rotate(slides_);
  rotate(ids_);
  Tell([from, to](DocumentListener& l) { l.SlideMoved(from, to); });
  Changed();
}

void SlideShowDocument::ExchangeSlides(int i, int j) {
  if (!ValidIndex(i) || !ValidIndex(j) || i == j) return;
  const int lo = std::min(i, j), hi = std::max(i, j);
  MoveSlide(lo, hi);
  // For neighbours that is the whole exchange; otherwise the slide now before `hi`
  // goes back where `hi`'s slide came from.
  if (hi - lo > 1) MoveSlide(hi - 1, lo);
}

bool SlideShowDocument::ReplaceSlide(int index, SlideRecord after) {
  if (!ValidIndex(index)) return false;
  const auto at = static_cast<size_t>(index);
  const SlideFields fields = ChangedFields(slides_[at], after);
  if (fields == SlideField::None) return false;
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Change;
    step.index = index;
    step.id = ids_[at];
    step.before = slides_[at];
    step.after = after;
    Record(std::move(step));
  }
  slides_[at] = std::move(after);
  Tell([index, fields](DocumentListener& l) { l.SlideChanged(index, fields); });
  Changed();
  return true;
}

void SlideShowDocument::SetLoop(bool loop) {
  if (loop == loop_) return;
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Loop;
    step.loop = loop;
    Record(std::move(step));
  }
  loop_ = loop;
  Tell([](DocumentListener& l) { l.LoopChanged(); });
  Changed();
}

bool SlideShowDocument::SetMusic(ShowMusic music) {
  if (music == music_) return false;
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Music;
    step.musicBefore = music_;
    step.musicAfter = music;
    Record(std::move(step));
  }
  music_ = std::move(music);
  Tell([](DocumentListener& l) { l.MusicChanged(); });
  Changed();
  return true;
}

void SlideShowDocument::SetShuffle(bool shuffle) {
  if (shuffle == shuffle_) return;
  if (recorder_) {
    DocumentStep step;
    step.kind = DocumentStep::Kind::Shuffle;
    step.shuffle = shuffle;
    Record(std::move(step));
  }
  shuffle_ = shuffle;
  Tell([](DocumentListener& l) { l.ShuffleChanged(); });
  Changed();
}

void SlideShowDocument::Load(std::vector<SlideRecord> slides, std::string fileName, bool loop,
                             ShowMusic music, bool shuffle, std::vector<uint8_t> storedHeader) {
  slides_ = std::move(slides);
  storedHeader_ = std::move(storedHeader);
  ids_.clear();
  for (size_t i = 0; i < slides_.size(); ++i) ids_.push_back(nextId_++);
  const bool loopChanged = loop != loop_;
  loop_ = loop;
  Tell([](DocumentListener& l) { l.SlidesReset(); });
  if (loopChanged) Tell([](DocumentListener& l) { l.LoopChanged(); });
  if (music != music_) {
    music_ = std::move(music);
    Tell([](DocumentListener& l) { l.MusicChanged(); });
  }
  if (shuffle != shuffle_) {
    shuffle_ = shuffle;
    Tell([](DocumentListener& l) { l.ShuffleChanged(); });
  }
  SetFileName(std::move(fileName));
  SetModified(false);
}

void SlideShowDocument::ReleaseSlides() {
  slides_.clear();
  storedHeader_.clear();
  ids_.clear();
  Tell([](DocumentListener& l) { l.SlidesReset(); });
  if (music_.Present() || music_ != ShowMusic{}) {
    music_ = ShowMusic{};
    Tell([](DocumentListener& l) { l.MusicChanged(); });
  }
  if (shuffle_) {
    shuffle_ = false;
    Tell([](DocumentListener& l) { l.ShuffleChanged(); });
  }
  SetModified(false);
}

void SlideShowDocument::SetFileName(std::string fileName) {
  if (fileName == fileName_) return;
  fileName_ = std::move(fileName);
  Tell([](DocumentListener& l) { l.FileNameChanged(); });
}

void SlideShowDocument::SetModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  Tell([modified](DocumentListener& l) { l.ModifiedChanged(modified); });
}

void SlideShowDocument::AddListener(DocumentListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
}

void SlideShowDocument::RemoveListener(DocumentListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

SlideRecord SlideShowDocument::TemplateFor(int current) const {
  return ValidIndex(current) ? SlideAt(current) : FirstSlideDefaults();
}

SlideRecord MakeBlankSlide(SlideRecord s) {
  s.PictureFolder.clear();
  s.PictureName.clear();
  s.ImageHeight = s.ImageWidth = s.ImageTop = s.ImageLeft = 0;
  s.ShowCaption = 0;
  s.Caption.clear();
  s.CaptionTop = s.CaptionLeft = s.CaptionWidth = 0;
  s.PlaySound = 0;
  s.SoundFolder.clear();
  s.SoundName.clear();
  s.Thumbnail.reset();
  return s;
}

int SlideShowDocument::NewBlankSlide(int current) {
  const int at = ValidIndex(current) ? current + 1 : 0;
  InsertSlide(at, MakeBlankSlide(TemplateFor(current)));
  return at;
}

int SlideShowDocument::DuplicateSlide(int index) {
  if (!ValidIndex(index)) return -1;
  // A value copy gives the duplicate its own caption lines and thumbnail.
  SlideRecord copy = SlideAt(index);
  copy.PlaySound = 0;
  copy.SoundFolder.clear();
  copy.SoundName.clear();
  InsertSlide(index + 1, std::move(copy));
  return index + 1;
}

}  // namespace lrw
