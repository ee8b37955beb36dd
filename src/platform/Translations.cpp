#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace lrw {

Translations::Translations(const QLocale& locale) {
  // The toolkit's catalogue first, so that the program's own word wins where both have one.
  toolkitLoaded_ = toolkit_.load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (toolkitLoaded_) QCoreApplication::installTranslator(&toolkit_);
  programLoaded_ = program_.load(locale, QStringLiteral("lanternreelworks"), QStringLiteral("_"),
                                 QStringLiteral(":/i18n"));
  if (programLoaded_) QCoreApplication::installTranslator(&program_);
}

Translations::~Translations() {
  if (programLoaded_) QCoreApplication::removeTranslator(&program_);
  if (toolkitLoaded_) QCoreApplication::removeTranslator(&toolkit_);
}

}  // namespace lrw
