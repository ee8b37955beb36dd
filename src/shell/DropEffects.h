// The drop-target rules of the slide strip, without a toolkit: which effect a drag
// gets from the keys held and the effects both sides allow, and the captions of the
// effect menu after a right-button drag in the user's language.
#pragma once

#include <string>
#include <string_view>

namespace lrw {

// Drop effects as bits, the values the platform's drag protocols use.
enum TDropEffect : int { deNone = 0, deCopy = 1, deMove = 2, deLink = 4 };
using TDropEffectSet = int;

struct DropEffectQuery {
  bool ownDrag = false;       // the drag was started by this same drop target
  bool acceptOwnDnD = false;  // such drags are accepted
  bool shift = false;
  bool ctrl = false;
  TDropEffectSet targetEffects = deNone;
  TDropEffectSet sourceEffects = deNone;  // what the drag source allows
};

// Shift alone asks for a move and Ctrl+Shift for a link, where the target takes them;
// otherwise the first of copy, move and link that both sides allow.
TDropEffect ChooseDropEffect(const DropEffectQuery& query);

// The effect answered to the drag source, over the strip and after the drop alike: the
// strip only reads the files, so a move is answered as a copy (or a link) and never lets
// the source delete its files; none (a refusal) when the source allows neither.
TDropEffect ReportedDropEffect(TDropEffect chosen, TDropEffectSet sourceEffects);

struct DropMenuCaptions {
  std::string copy;
  std::string move;
  std::string link;
  std::string cancel;
};

// Windows primary language ids of the languages the menu speaks; other ids get English.
inline constexpr int kLangGerman = 7;
inline constexpr int kLangSpanish = 10;
inline constexpr int kLangFrench = 12;
inline constexpr int kLangItalian = 16;
inline constexpr int kLangPolish = 21;
inline constexpr int kLangPortuguese = 22;
inline constexpr int kLangEnglish = 9;

// The primary language id of an ISO 639-1 code such as "de" or "pt_BR".
int PrimaryLanguageIdOf(std::string_view isoCode);

// The effect menu's captions (UTF-8) for a primary language id.
DropMenuCaptions DropMenuCaptionsFor(int primaryLanguageId);

}  // namespace lrw
