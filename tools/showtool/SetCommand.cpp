// showtool set SHOW SLIDES KEY=VALUE...: changes slide settings in a show file
// without the designer, e.g. to script a demo show. SLIDES is a slide number
// (from 1), a range "2-4", "all", or "show" for the show's own loop flag.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "LoadShow.h"
#include "PictureKeys.h"
#include "document/Cp1252.h"
#include "document/Paths.h"
#include "document/ShowFile.h"
#include "effects/EffectNames.h"

namespace lrw::showtool {
namespace {

constexpr const char* kUsage =
    "usage: showtool set SHOW SLIDES KEY=VALUE...\n"
    "  SLIDES: N, N-M, all, or show (for the show's own keys; may be left out)\n"
    "  keys: effect=N|NAME speed=2..10 center=0|1 background=#RRGGBB\n"
    "        image=LEFT,TOP,WIDTH,HEIGHT\n"
    "        caption=TEXT (a pilcrow forces a line break) showcaption=0|1\n"
    "        captionbox=LEFT,TOP,WIDTH captionback=#RRGGBB\n"
    "        font=NAME fontsize=N fontstyle=[b][i][u][s] fontcolor=#RRGGBB\n"
    "        sound=PATH ('' for none) playsound=0|1\n"
    "        duration=enter|sound|time seconds=0..120\n"
    "%s"
    "  with SLIDES = show:\n"
    "        loop=0|1 shuffle=on|off\n"
    "        music=PATH[,PATH...] (music= removes it) musicvolume=0..100\n"
    "        musicfadein=SECONDS musicfadeout=SECONDS (0..60) musicloop=0|1\n";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::optional<long> ParseInt(std::string_view text, long lo, long hi) {
  long v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi) return {};
  return v;
}

std::optional<std::vector<long>> ParseInts(const std::string& text, size_t count) {
  std::vector<long> values;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const auto v = ParseInt(std::string_view(text).substr(start, comma - start), -32768, 32767);
    if (!v) return {};
    values.push_back(*v);
    start = comma + 1;
  }
  if (values.size() != count) return {};
  return values;
}

// "#RRGGBB" or "RRGGBB" to a record colour (0x00BBGGRR); "0x..." is taken as
// a record value as it stands (system colours included).
std::optional<uint32_t> ParseColor(std::string text) {
  if (text.rfind("0x", 0) == 0) {
    uint32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), v, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return {};
    return v;
  }
  if (!text.empty() && text[0] == '#') text.erase(0, 1);
  uint32_t rgb = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
  if (text.size() != 6 || ec != std::errc() || end != text.data() + text.size()) return {};
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::optional<uint8_t> ParseEffect(const std::string& text) {
  if (auto n = ParseInt(text, 0, kEffectCount - 1)) return static_cast<uint8_t>(*n);
  const auto& names = EffectNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (Lower(std::string(names[i])) == Lower(text)) return static_cast<uint8_t>(i);
  }
  return {};
}

// Caption text in record form: one line per forced break, the pilcrow ending its line.
std::optional<std::vector<std::string>> CaptionLines(const std::string& utf8) {
  const std::optional<std::string> text = Utf8ToCp1252(utf8);
  if (!text) return {};
  std::vector<std::string> lines;
  std::string line;
  for (char c : *text) {
    line += c;
    if (c == kPilcrow) {
      lines.push_back(line);
      line.clear();
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Applies one KEY=VALUE to a slide.
Result<void> Apply(SlideRecord& s, const std::string& key, const std::string& value,
                   PictureKeyContext& context) {
  const std::string bad = "bad value for " + key + ": \"" + value + "\"";
  if (key == "effect") {
    const auto e = ParseEffect(value);
    if (!e) return Fail(bad);
    s.Effect = *e;
    s.Smooth = SmoothEffect::None;
  } else if (key == "speed") {
    const auto v = ParseInt(value, 2, 10);
    if (!v) return Fail(bad);
    s.BoxWidth = static_cast<int16_t>(*v);
  } else if (key == "center" || key == "showcaption" || key == "playsound") {
    const auto v = ParseInt(value, 0, 1);
    if (!v) return Fail(bad);
    uint8_t& field = key == "center"        ? s.CenterImage
                     : key == "showcaption" ? s.ShowCaption
                                            : s.PlaySound;
    field = static_cast<uint8_t>(*v);
  } else if (key == "background" || key == "captionback" || key == "fontcolor") {
    const auto c = ParseColor(value);
    if (!c) return Fail(bad);
    (key == "background"    ? s.BackgroundColor
     : key == "captionback" ? s.CaptionBackColor
                            : s.CaptionFontColor) = *c;
  } else if (key == "image") {
    const auto v = ParseInts(value, 4);
    if (!v) return Fail(bad);
    s.ImageLeft = static_cast<int16_t>((*v)[0]);
    s.ImageTop = static_cast<int16_t>((*v)[1]);
    s.ImageWidth = static_cast<int16_t>((*v)[2]);
    s.ImageHeight = static_cast<int16_t>((*v)[3]);
    s.CenterImage = 0;
  } else if (key == "caption") {
    const auto lines = CaptionLines(value);
    if (!lines) return Fail(bad + " (not writable in Windows-1252)");
    s.Caption = *lines;
    s.ShowCaption = s.Caption.empty() ? 0 : 1;
  } else if (key == "captionbox") {
    const auto v = ParseInts(value, 3);
    if (!v) return Fail(bad);
    s.CaptionLeft = static_cast<int16_t>((*v)[0]);
    s.CaptionTop = static_cast<int16_t>((*v)[1]);
    s.CaptionWidth = static_cast<int16_t>((*v)[2]);
  } else if (key == "font") {
    const auto name = Utf8ToCp1252(value);
    if (!name || name->empty() || name->size() > kFontNameCapacity) return Fail(bad);
    s.CaptionFontName = *name;
  } else if (key == "fontsize") {
    const auto v = ParseInt(value, 1, 400);
    if (!v) return Fail(bad);
    s.CaptionFontSize = static_cast<int16_t>(*v);
  } else if (key == "fontstyle") {
    uint8_t style = 0;
    for (char c : value) {
      const size_t at = std::string("bius").find(c);
      if (at == std::string::npos) return Fail(bad);
      style |= static_cast<uint8_t>(1u << at);
    }
    s.CaptionFontStyle = static_cast<FontStyle>(style);
  } else if (key == "sound") {
    if (value.empty()) {
      s.SoundFolder.clear();
      s.SoundName.clear();
      s.PlaySound = 0;
      return {};
    }
    std::error_code ec;
    const std::string full = std::filesystem::absolute(value, ec).lexically_normal().string();
    const auto folder = Utf8ToCp1252(FolderOf(full));
    const auto name = Utf8ToCp1252(FileNameOf(full));
    if (ec || !folder || !name || name->empty()) return Fail(bad);
    if (folder->size() > kFolderCapacity || name->size() > kNameCapacity)
      return Fail(bad + " (too long)");
    s.SoundFolder = *folder;
    s.SoundName = *name;
    s.PlaySound = 1;
  } else if (key == "duration") {
    const std::string v = Lower(value);
    if (v == "enter") {
      s.DurationMode = DurationMode::EnterPressed;
    } else if (v == "sound") {
      s.DurationMode = DurationMode::SoundEnded;
    } else if (v == "time") {
      s.DurationMode = DurationMode::TimeElapsed;
    } else {
      return Fail(bad);
    }
  } else if (key == "seconds") {
    const auto v = ParseInt(value, 0, 120);
    if (!v) return Fail(bad);
    s.ExtraSeconds = static_cast<int16_t>(*v);
  } else if (Result<void> picture = ApplyPictureKey(s, key, value, context);
             picture || picture.error().kind != ErrorKind::NotHandled) {
    return picture;
  } else {
    return Fail("unknown key \"" + key + "\"");
  }
  return {};
}

// The show's own keys.
Result<void> ApplyToShow(SlideShowDocument& doc, const std::string& key, const std::string& value) {
  const std::string bad = "bad value for " + key + ": \"" + value + "\"";
  ShowMusic music = doc.Music();
  if (key == "shuffle") {
    if (value == "on" || value == "1") {
      doc.SetShuffle(true);
    } else if (value == "off" || value == "0") {
      doc.SetShuffle(false);
    } else {
      return Fail(bad);
    }
    return {};
  }
  if (key == "loop") {
    const auto v = ParseInt(value, 0, 1);
    if (!v) return Fail(bad);
    doc.SetLoop(*v == 1);
    return {};
  }
  if (key == "music") {
    music.tracks.clear();
    size_t start = 0;
    while (!value.empty() && start <= value.size()) {
      const size_t comma = std::min(value.find(',', start), value.size());
      const std::string one = value.substr(start, comma - start);
      std::error_code ec;
      const std::string full = std::filesystem::absolute(one, ec).lexically_normal().string();
      if (one.empty() || ec || FileNameOf(full).empty()) return Fail(bad);
      music.tracks.push_back(full);
      start = comma + 1;
    }
  } else if (key == "musicvolume") {
    const auto v = ParseInt(value, 0, 100);
    if (!v) return Fail(bad);
    music.volumePercent = static_cast<int>(*v);
  } else if (key == "musicfadein" || key == "musicfadeout") {
    char* end = nullptr;
    const double seconds = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !(seconds >= 0) || seconds * 1000 > kMaxMusicFadeMs)
      return Fail(bad);
    (key == "musicfadein" ? music.fadeInMs : music.fadeOutMs) =
        static_cast<int>(seconds * 1000 + 0.5);
  } else if (key == "musicloop") {
    const auto v = ParseInt(value, 0, 1);
    if (!v) return Fail(bad);
    music.loopList = *v == 1;
  } else {
    return Fail("\"" + key +
                "\" is not a key of the show (loop, shuffle, music, musicvolume, musicfadein, " +
                "musicfadeout, musicloop)");
  }
  doc.SetMusic(std::move(music));
  return {};
}

}  // namespace

int RunSet(const std::vector<std::string>& args) {
  // Without SLIDES, the keys are the show's own: "set SHOW shuffle=on".
  if (args.size() >= 2 && args[1].find('=') != std::string::npos) {
    std::vector<std::string> withShow = args;
    withShow.insert(withShow.begin() + 1, "show");
    return RunSet(withShow);
  }
  if (args.size() < 3) {
    std::fprintf(stderr, kUsage, kPictureKeysUsage);
    return 2;
  }
  const std::string& path = args[0];
  SlideShowDocument doc;
  if (!LoadShowOrReport("set", path, doc)) return 1;

  const std::string& which = args[1];
  long first = 1;
  long last = doc.Count();
  const bool showLevel = which == "show";
  if (!showLevel && which != "all") {
    const size_t dash = which.find('-');
    const auto a = ParseInt(std::string_view(which).substr(0, dash), 1, doc.Count());
    const auto b = dash == std::string::npos
                       ? a
                       : ParseInt(std::string_view(which).substr(dash + 1), 1, doc.Count());
    if (!a || !b || *b < *a) {
      std::fprintf(stderr, "showtool set: no slides \"%s\" in a show of %d\n", which.c_str(),
                   doc.Count());
      return 1;
    }
    first = *a;
    last = *b;
  }

  PictureKeyContext context;
  for (size_t i = 2; i < args.size(); ++i) {
    const size_t eq = args[i].find('=');
    if (eq == std::string::npos) {
      std::fprintf(stderr, "showtool set: expected KEY=VALUE, got \"%s\"\n", args[i].c_str());
      return 2;
    }
    const std::string key = Lower(args[i].substr(0, eq));
    const std::string value = args[i].substr(eq + 1);
    Result<void> applied;
    if (showLevel) {
      applied = ApplyToShow(doc, key, value);
    } else if (key == "loop" || key == "shuffle" || key.rfind("music", 0) == 0) {
      applied = Fail(key + " belongs to the show: use SLIDES = show");
    } else {
      for (long n = first; n <= last && applied; ++n) {
        doc.EditSlide(static_cast<int>(n - 1),
                      [&](SlideRecord& slide) { applied = Apply(slide, key, value, context); });
      }
    }
    if (!applied) {
      std::fprintf(stderr, "showtool set: %s\n", applied.error().message.c_str());
      return 2;
    }
  }

  // As the designer's Save decides: a ".bld" file stays a portable show.
  std::string ext = std::filesystem::path(path).extension().string();
  const bool portable = Lower(ext) == ".bld";
  const Result<void> written = WriteShowFile(doc, path, portable);
  if (!written) {
    std::fprintf(stderr, "showtool set: %s\n", written.error().message.c_str());
    return 1;
  }
  return 0;
}

}  // namespace lrw::showtool
