#include "document/TextMark.h"

#include <utility>

namespace lrw {
namespace {

constexpr const char* kMessages = "lrw::Messages";

std::vector<std::string> EnglishOf(const std::vector<MarkedText>& args) {
  std::vector<std::string> english;
  english.reserve(args.size());
  for (const MarkedText& a : args) english.push_back(a.english);
  return english;
}

}  // namespace

MarkedText PlainText(std::string text) {
  MarkedText t;
  t.english = std::move(text);
  return t;
}

MarkedText TermText(const char* context, const char* text) {
  MarkedText t;
  t.english = text;
  t.context = context;
  return t;
}

MarkedText ComposedText(const char* wording, std::vector<MarkedText> args) {
  MarkedText t;
  t.english = FillPlaces(wording, EnglishOf(args));
  t.context = kMessages;
  t.wording = wording;
  t.args = std::move(args);
  return t;
}

MarkedText CountedText(const char* singular, const char* plural, int count,
                       std::vector<MarkedText> args) {
  std::string english = count == 1 ? singular : plural;
  for (size_t at = english.find("%n"); at != std::string::npos; at = english.find("%n", at)) {
    const std::string n = std::to_string(count);
    english.replace(at, 2, n);
    at += n.size();
  }
  MarkedText t;
  t.english = FillPlaces(english, EnglishOf(args));
  t.context = kMessages;
  t.wording = plural;
  t.singular = singular;
  t.count = count;
  t.args = std::move(args);
  return t;
}

std::string FillPlaces(const std::string& wording, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(wording.size());
  for (size_t i = 0; i < wording.size(); ++i) {
    const char c = wording[i];
    if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' && wording[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(wording[i + 1] - '1');
      if (n < args.size()) {
        out += args[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace lrw
