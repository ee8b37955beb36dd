// The show's soundtrack: audio files played one after another from the first slide to
// the end of the show, under the slides' own sounds. Kept in show files of version 5.0
// (a show without music is written as 4.0).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lrw {

inline constexpr int kDefaultMusicVolume = 100;  // percent
inline constexpr int kDefaultMusicFadeInMs = 1000;
inline constexpr int kDefaultMusicFadeOutMs = 3000;
inline constexpr int kMaxMusicFadeMs = 60000;

// The sound formats a show plays (slide sounds and music), as the file dialogs offer
// them under "All sound files".
inline constexpr const char* kSoundFilePatterns =
    "*.wav;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.mp4";

struct ShowMusic {
  // UTF-8 file-system paths, in playing order. Unlike record text these are not
  // limited to Windows-1252: the 5.0 file stores them as UTF-8.
  std::vector<std::string> tracks;
  int volumePercent = kDefaultMusicVolume;  // 0..100
  int fadeInMs = kDefaultMusicFadeInMs;     // at the start of the show
  int fadeOutMs = kDefaultMusicFadeOutMs;   // before the end of the show
  // The list starts again when it ends, while the show goes on; otherwise it plays once
  // (and starts again only when the show itself loops).
  bool loopList = false;

  // Music without files is no music: the show saves as 4.0.
  bool Present() const { return !tracks.empty(); }
  bool operator==(const ShowMusic&) const = default;
};

}  // namespace lrw
