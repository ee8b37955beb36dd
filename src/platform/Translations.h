// The program in the user's language: its own texts and the toolkit's (message boxes,
// file, colour and font dialogs), installed into the application for one locale.
#pragma once

#include <QLocale>
#include <QTranslator>

namespace lrw {

// The languages the program is translated into besides English, as ISO 639-1 codes.
inline constexpr const char* kTranslatedLanguages[] = {"de", "fr", "es", "it", "pl", "pt"};

class Translations {
 public:
  // Installs the translations for `locale` (the desktop's: LANGUAGE, LC_MESSAGES, LANG);
  // English, or a language the program does not speak, installs nothing of its own.
  explicit Translations(const QLocale& locale = QLocale());
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Whether the program's own texts are translated for the locale.
  bool ProgramTranslated() const { return programLoaded_; }

 private:
  QTranslator toolkit_;
  QTranslator program_;
  bool toolkitLoaded_ = false;
  bool programLoaded_ = false;
};

}  // namespace lrw
