#include "platform/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace lrw {
namespace {

constexpr const char* kMessages = "lrw::Messages";

// Messages the core composes around a name or a number, in the words the core uses with
// %1, %2 where it puts them; a message of one of these shapes is shown in the user's
// language with the same names and numbers.
constexpr const char* kShapes[] = {
    QT_TRANSLATE_NOOP("lrw::Messages",
                      "File %1 was damaged; saving replaces it with the 1 slide that could be "
                      "read.\n\nReplace it? Choose No to save the show under another name."),
    QT_TRANSLATE_NOOP("lrw::Messages",
                      "File %1 was damaged; saving replaces it with the %2 slides that could be "
                      "read.\n\nReplace it? Choose No to save the show under another name."),
    QT_TRANSLATE_NOOP("lrw::Messages",
                      "A Lanternreelworks 4.0 show does not keep the music (1 file).\n\nSave it "
                      "as a 4.0 show without it?"),
    QT_TRANSLATE_NOOP("lrw::Messages",
                      "A Lanternreelworks 4.0 show does not keep the music (%1 files).\n\nSave "
                      "it as a 4.0 show without it?"),
    QT_TRANSLATE_NOOP("lrw::Messages",
                      "A Lanternreelworks 4.0 show does not keep the shuffled order.\n\nSave it "
                      "as a 4.0 show without it?"),
    QT_TRANSLATE_NOOP("lrw::Messages", "File %1 is not a slide show file."),
    QT_TRANSLATE_NOOP("lrw::Messages", "The sound file \"%1\" is damaged."),
    QT_TRANSLATE_NOOP("lrw::Messages", "The sound file \"%1\" is too long to be played."),
    // The longest list first: a shorter shape would take "VP9 or AV1" for one name.
    QT_TRANSLATE_NOOP("lrw::Messages", "A %1 file holds %2 or %3 or %4 video, not %5."),
    QT_TRANSLATE_NOOP("lrw::Messages", "A %1 file holds %2 or %3 video, not %4."),
    QT_TRANSLATE_NOOP("lrw::Messages", "A %1 file holds %2 video, not %3."),
    QT_TRANSLATE_NOOP("lrw::Messages",
                      "Above 1920 x 1080 only H.264 keeps the export within 512 MB of memory; "
                      "choose H.264 (.mp4 or .mkv) or a smaller size for %1."),
};

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

QString CoreMessage(const std::string& text) {
  const QString english = QString::fromUtf8(text.c_str());
  const QString translated = QCoreApplication::translate(kMessages, text.c_str());
  if (translated != english) return translated;
  for (const Shape& shape : Shapes()) {
    const QRegularExpressionMatch match = shape.pattern.match(english);
    if (!match.hasMatch()) continue;
    // In one pass, so that a name holding "%2" stays as it is.
    const QString wording = QCoreApplication::translate(kMessages, shape.text);
    static const QRegularExpression kPlace(QStringLiteral("%(\\d)"));
    QString shown;
    qsizetype from = 0;
    for (auto place = kPlace.globalMatch(wording); place.hasNext();) {
      const QRegularExpressionMatch p = place.next();
      shown += wording.mid(from, p.capturedStart() - from);
      const int n = p.captured(1).toInt();
      shown += n >= 1 && n <= match.lastCapturedIndex() ? match.captured(n) : p.captured();
      from = p.capturedEnd();
    }
    shown += wording.mid(from);
    return shown;
  }
  return translated;
}

}  // namespace lrw
