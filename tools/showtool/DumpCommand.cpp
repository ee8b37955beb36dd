// showtool dump FILE: the document as opening FILE leaves it, as JSON.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "LoadShow.h"
#include "PictureKeys.h"
#include "document/Cp1252.h"
#include "document/ShowFile.h"
#include "document/SlideShowDocument.h"

namespace lrw::showtool {
namespace {

// A JSON string of record text (Windows-1252 bytes) or UTF-8 text.
std::string Quote(const std::string& utf8) {
  std::string out = "\"";
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string Text(const std::string& cp1252) {
  return Quote(Cp1252ToUtf8(cp1252));
}

// Paths and error texts are UTF-8 already, but a file name need not be valid UTF-8;
// bytes that are not are shown as Windows-1252 so the output stays valid JSON.
bool IsUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t len = b < 0x80             ? 1
                       : (b & 0xE0) == 0xC0 ? 2
                       : (b & 0xF0) == 0xE0 ? 3
                       : (b & 0xF8) == 0xF0 ? 4
                                            : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += len;
  }
  return true;
}

std::string PathText(const std::string& bytes) {
  return IsUtf8(bytes) ? Quote(bytes) : Text(bytes);
}

void AppendSlide(std::string& out, const SlideRecord& s) {
  auto field = [&](const char* name, const std::string& value) {
    out += "      ";
    out += Quote(name);
    out += ": " + value + ",\n";
  };
  auto number = [](long long v) { return std::to_string(v); };
  out += "    {\n";
  field("PictureFolder", Text(s.PictureFolder));
  field("PictureName", Text(s.PictureName));
  field("PictureFormat", number(s.PictureFormat));
  field("BackgroundColor", number(s.BackgroundColor));
  field("ImageHeight", number(s.ImageHeight));
  field("ImageWidth", number(s.ImageWidth));
  field("ImageTop", number(s.ImageTop));
  field("ImageLeft", number(s.ImageLeft));
  field("CenterImage", number(s.CenterImage));
  field("ShowCaption", number(s.ShowCaption));
  std::string lines = "[";
  for (size_t i = 0; i < s.Caption.size(); ++i) {
    lines += (i ? ", " : "") + Text(s.Caption[i]);
  }
  field("Caption", lines + "]");
  field("CaptionFontName", Text(s.CaptionFontName));
  field("CaptionFontSize", number(s.CaptionFontSize));
  field("CaptionFontColor", number(s.CaptionFontColor));
  field("CaptionFontStyle", number(ToUnderlying(s.CaptionFontStyle)));
  field("CaptionBackColor", number(s.CaptionBackColor));
  field("CaptionTop", number(s.CaptionTop));
  field("CaptionLeft", number(s.CaptionLeft));
  field("CaptionWidth", number(s.CaptionWidth));
  field("Effect", number(s.Effect));
  field("BoxWidth", number(s.BoxWidth));
  field("PlaySound", number(s.PlaySound));
  field("SoundFolder", Text(s.SoundFolder));
  field("SoundName", Text(s.SoundName));
  field("DurationMode", number(ToUnderlying(s.DurationMode)));
  field("ExtraSeconds", number(s.ExtraSeconds));
  out += "      \"Thumbnail\": ";
  out += s.Thumbnail ? "{\"width\": " + number(s.Thumbnail->width) +
                           ", \"height\": " + number(s.Thumbnail->height) + "}"
                     : "null";
  out += PictureKeysDump(s);
  out += "\n    }";
}

// null for a show without music.
std::string MusicText(const ShowMusic& m) {
  if (!m.Present()) return "null";
  std::string tracks = "[";
  for (size_t i = 0; i < m.tracks.size(); ++i) tracks += (i ? ", " : "") + PathText(m.tracks[i]);
  return "{\"tracks\": " + tracks + "], \"volume\": " + std::to_string(m.volumePercent) +
         ", \"fadein\": " + std::to_string(m.fadeInMs) +
         ", \"fadeout\": " + std::to_string(m.fadeOutMs) +
         ", \"loop\": " + (m.loopList ? "true" : "false") + "}";
}

}  // namespace

int RunDump(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: showtool dump FILE\n");
    return 2;
  }
  SlideShowDocument doc;
  const Result<ShowFileContent> r = OpenShowFile(doc, args[0]);
  if (r) ReportDroppedThumbnails("dump", *r);
  const std::optional<Error> error = r ? r->damage : r.error();
  std::string out = "{\n";
  out += "  \"signature\": " + (r ? Text(r->signature) : std::string("null")) + ",\n";
  out += std::string("  \"loop\": ") + (doc.Loop() ? "true" : "false") + ",\n";
  out += std::string("  \"shuffle\": ") + (doc.Shuffle() ? "true" : "false") + ",\n";
  out += std::string("  \"portable\": ") + (r && r->portable ? "true" : "false") + ",\n";
  out += "  \"music\": " + MusicText(doc.Music()) + ",\n";
  out += "  \"slides\": [";
  for (int i = 0; i < doc.Count(); ++i) {
    out += i ? ",\n" : "\n";
    AppendSlide(out, doc.SlideAt(i));
  }
  out += doc.Count() ? "\n  ],\n" : "],\n";
  out += "  \"error\": " + (error ? PathText(error->message) : std::string("null"));
  out += "\n}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return error ? 1 : 0;
}

}  // namespace lrw::showtool
