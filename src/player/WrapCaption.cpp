#include "player/WrapCaption.h"

#include <algorithm>

#include "document/Cp1252.h"

namespace lrw {

std::string TrimCaptionRight(const std::string& line) {
  size_t end = line.size();
  while (end > 0 && static_cast<unsigned char>(line[end - 1]) <= ' ') --end;
  return line.substr(0, end);
}

void WrapCaption(const std::vector<std::string>& lines, const TextMeasurer& font,
                 std::vector<std::string>& out, int& width) {
  std::string t;
  for (const std::string& line : lines) t += line;
  t += ' ';  // every piece then ends at a blank at the latest

  width = std::max(width, font.TextWidth("WW"));

  out.clear();
  out.emplace_back();

  // Positions below count from 0; `p` is a length (the piece is t[0, p)).
  size_t start = 0;  // the unconsumed text is t[start, end)
  while (t.size() - start > 1) {
    while (start < t.size() && t[start] == kPilcrow) {
      ++start;
      out.emplace_back();
    }
    const std::string_view rest = std::string_view(t).substr(start);
    if (rest.empty()) break;

    size_t p = rest.find(' ') + 1;  // a blank always follows: the one appended above
    // A hyphen ends a piece too, unless it starts the text; the piece keeps it.
    const size_t hyphen = rest.find('-', 1);
    if (hyphen != std::string_view::npos && hyphen + 1 < p) p = hyphen + 1;
    // A piece ends just before a pilcrow, which then forces the next line.
    const size_t pilcrow = rest.find(kPilcrow, 1);
    if (pilcrow != std::string_view::npos && pilcrow < p) p = pilcrow;

    // A word wider than the width is broken between characters; a piece keeps at
    // least one character.
    while (p > 1 && font.TextWidth(rest.substr(0, p)) > width) --p;
    const std::string piece(rest.substr(0, p));

    std::string& last = out.back();
    if (font.TextWidth(TrimCaptionRight(last + piece)) > width) {
      out.push_back(piece);
    } else {
      last += piece;
    }
    start += p;
  }
}

CaptionLayout LayoutCaption(const SlideRecord& slide, const TextMeasurer& font) {
  CaptionLayout layout;
  int w = slide.CaptionWidth;
  std::vector<std::string> wrapped;
  WrapCaption(slide.Caption, font, wrapped, w);

  int m = font.TextWidth("WW");
  for (std::string& line : wrapped) {
    line = TrimCaptionRight(line);
    m = std::max(m, font.TextWidth(line));
  }
  w = std::max(w, m);

  layout.lines = std::move(wrapped);
  layout.textWidth = w;
  layout.lineHeight = font.TextHeight();
  layout.textLeft = slide.CaptionLeft;
  layout.textTop = slide.CaptionTop;
  layout.boxLeft = slide.CaptionLeft - 1;
  layout.boxTop = slide.CaptionTop;
  layout.boxRight = slide.CaptionLeft + w + 2;
  layout.boxBottom = slide.CaptionTop + static_cast<int>(layout.lines.size()) * layout.lineHeight;
  return layout;
}

}  // namespace lrw
