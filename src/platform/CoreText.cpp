#include "platform/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace lrw {
namespace {

constexpr const char* kMessages = "lrw::Messages";

// The player composes these around a file name and hands the windows only the English
// text; the shared test of the translations plays real damaged and overlong files, so a
// changed wording shows there.
constexpr const char* kShapes[] = {
    QT_TRANSLATE_NOOP("lrw::Messages", "The sound file \"%1\" is damaged."),
    QT_TRANSLATE_NOOP("lrw::Messages", "The sound file \"%1\" is too long to be played."),
};

// Puts `args` in for %1..%9 of `wording` in one pass, so that a name holding "%2" stays
// as it is.
QString Filled(const QString& wording, const QStringList& args) {
  static const QRegularExpression kPlace(QStringLiteral("%(\\d)"));
  QString shown;
  qsizetype from = 0;
  for (auto place = kPlace.globalMatch(wording); place.hasNext();) {
    const QRegularExpressionMatch p = place.next();
    shown += wording.mid(from, p.capturedStart() - from);
    const int n = p.captured(1).toInt();
    shown += n >= 1 && n <= args.size() ? args[n - 1] : p.captured();
    from = p.capturedEnd();
  }
  return shown + wording.mid(from);
}

struct Shape {
  const char* text;
  QRegularExpression pattern;
};

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = [] {
    std::vector<Shape> all;
    static const QRegularExpression kPlace(QStringLiteral("\\\\%\\d"));
    for (const char* text : kShapes) {
      QString pattern = QRegularExpression::escape(QString::fromUtf8(text));
      pattern.replace(kPlace, QStringLiteral("(.+?)"));
      all.push_back(
          {text, QRegularExpression(QStringLiteral("\\A") + pattern + QStringLiteral("\\z"),
                                    QRegularExpression::DotMatchesEverythingOption)});
    }
    return all;
  }();
  return shapes;
}

}  // namespace

QString CommandName(const std::string& name) {
  return QCoreApplication::translate("lrw::Commands", name.c_str());
}

QString ShownText(const MarkedText& text) {
  if (text.context == nullptr) return QString::fromUtf8(text.english.c_str());
  if (text.wording == nullptr)
    return QCoreApplication::translate(text.context, text.english.c_str());
  QString wording = QCoreApplication::translate(text.context, text.wording, nullptr, text.count);
  if (text.singular != nullptr && text.count == 1) {
    // English has no plural forms of its own to look up: its singular is in the core.
    QString untranslated = QString::fromUtf8(text.wording);
    untranslated.replace(QStringLiteral("%n"), QStringLiteral("1"));
    if (wording == untranslated) {
      wording = QString::fromUtf8(text.singular).replace(QStringLiteral("%n"), QStringLiteral("1"));
    }
  }
  QStringList args;
  for (const MarkedText& a : text.args) args << ShownText(a);
  return Filled(wording, args);
}

QString CoreMessage(const std::string& text) {
  const QString english = QString::fromUtf8(text.c_str());
  const QString translated = QCoreApplication::translate(kMessages, text.c_str());
  if (translated != english) return translated;
  for (const Shape& shape : Shapes()) {
    const QRegularExpressionMatch match = shape.pattern.match(english);
    if (!match.hasMatch()) continue;
    QStringList args;
    for (int n = 1; n <= match.lastCapturedIndex(); ++n) args << match.captured(n);
    return Filled(QCoreApplication::translate(kMessages, shape.text), args);
  }
  return translated;
}

}  // namespace lrw
