// Marks a user-visible text of the core for the translators. The core stays free of the
// toolkit and keeps its English texts; the windows look each one up in the user's
// language by the same context when they show it (platform/CoreText.h).
#pragma once

#include <string>
#include <vector>

// Expands to the text itself; the translation tools find the text by this name.
#define LRW_TR_NOOP(context, text) text
// The same for a text with plural forms (%n).
#define LRW_TR_N_NOOP(context, text) text

namespace lrw {

// A message the core composes around names and numbers, kept as its wording and its
// arguments so that the windows show it in the user's language as whole sentences: the
// wording (marked with LRW_TR_NOOP in "lrw::Messages") is the id the translation is
// looked up by, and a translation places the arguments where its grammar wants them.
// A changed English wording is a new id, which the translation tools report as new.
struct MarkedText {
  std::string english;             // exactly as the English program shows it
  const char* context = nullptr;   // nullptr: a name or a number, shown as it is
  const char* wording = nullptr;   // with %1..%9 (and %n); nullptr: `english` is the id
  const char* singular = nullptr;  // the English wording for a count of 1, when counted
  int count = -1;                  // picks the plural form; -1 when not counted
  std::vector<MarkedText> args;    // what %1, %2, ... stand for

  bool Empty() const { return english.empty(); }
};

// A name or a number, shown as it is in every language.
MarkedText PlainText(std::string text);
// A text looked up whole in `context` (an effect's name).
MarkedText TermText(const char* context, const char* text);
// `wording` of "lrw::Messages" with its arguments.
MarkedText ComposedText(const char* wording, std::vector<MarkedText> args);
// As ComposedText, in the plural form for `count`: `plural` is the id and English for
// any count but 1, `singular` the English for 1; %n stands for the count.
MarkedText CountedText(const char* singular, const char* plural, int count,
                       std::vector<MarkedText> args = {});

// Puts `args` in for %1..%9 in one pass, so that an argument holding "%2" stays as it is.
std::string FillPlaces(const std::string& wording, const std::vector<std::string>& args);

}  // namespace lrw
