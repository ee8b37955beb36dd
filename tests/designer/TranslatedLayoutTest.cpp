// The designer and its dialogs in every language the program speaks, at desktop fonts
// from 9 to 14 points: every label, button and group box shows its whole text inside
// the window, and no two controls cover each other. With LRW_LAYOUT_SHOTS set to a
// folder, the windows are also saved there as pictures for looking at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include "designer/ExportVideoDialog.h"
#include "designer/FakeServices.h"
#include "designer/FileCommands.h"
#include "designer/MusicDialog.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"
#include "export/ExportOptions.h"
#include "platform/CoreText.h"
#include "platform/HelpViewer.h"
#include "platform/Translations.h"

namespace lrw {
namespace {

QString Plain(QString text) {
  return text.remove(QLatin1Char('&'));
}

// The width a control's text takes with what the style draws beside it.
int TextWidth(QWidget* w, const QString& text) {
  const int advance = QFontMetrics(w->font()).horizontalAdvance(Plain(text));
  if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
    const QStyle* s = w->style();
    const bool check = qobject_cast<QCheckBox*>(w);
    return advance +
           s->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth,
                          nullptr, w) +
           s->pixelMetric(
               check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing,
               nullptr, w);
  }
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    return advance + (b->icon().isNull() ? 0 : b->iconSize().width()) + 4;
  return advance;
}

// What does not fit in `window`: texts wider than their control, controls reaching out
// of the window, and sibling controls that overlap.
std::vector<std::string> Misfits(QWidget* window) {
  std::vector<std::string> found;
  QList<QWidget*> controls;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisible() || w->window() != window) continue;
    QString text;
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap())
      text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
      text = b->text();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      text = g->title();
    if (text.isEmpty() || text.contains(QLatin1Char('\n'))) continue;
    controls.push_back(w);
    const std::string name = w->objectName().toStdString() + " \"" + text.toStdString() + "\"";
    const int margin = qobject_cast<QGroupBox*>(w) ? 12 : 0;
    if (TextWidth(w, text) + margin > w->width())
      found.push_back(name + " needs " + std::to_string(TextWidth(w, text) + margin) + ", has " +
                      std::to_string(w->width()));
    if (QFontMetrics(w->font()).height() > w->height() + 1)
      found.push_back(name + " is too low for its font");
    const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
    if (!window->rect().contains(inWindow)) found.push_back(name + " reaches out of the window");
  }
  for (QWidget* a : controls)
    for (QWidget* b : controls)
      if (a < b && a->parentWidget() == b->parentWidget() &&
          a->geometry().intersects(b->geometry()))
        found.push_back(a->objectName().toStdString() + " and " + b->objectName().toStdString() +
                        " overlap");
  return found;
}

void Shoot(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("LRW_LAYOUT_SHOTS");
  if (!folder.isEmpty()) window->grab().save(QDir(folder).filePath(name + ".png"));
}

TEST(TranslatedLayout, NoTextIsCutOffInAnyLanguageAtAnyFontSize) {
  const QFont desktop = QApplication::font();
  std::vector<QString> languages{QStringLiteral("en")};
  for (const char* code : kTranslatedLanguages) languages.push_back(QString::fromLatin1(code));
  for (const QString& language : languages) {
    const Translations translations{QLocale(language)};
    EXPECT_EQ(translations.ProgramTranslated(), language != QLatin1String("en"))
        << language.toStdString();
    for (int points : {9, 11, 14}) {
      SCOPED_TRACE(language.toStdString() + " at " + std::to_string(points) + " pt");
      QFont font = desktop;
      font.setPointSize(points);
      QApplication::setFont(font);
      test::FakeServices fakes;
      TSlideshowDesignForm form{fakes.services()};
      form.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
      EXPECT_EQ(Misfits(&form), std::vector<std::string>{});
      const QString tag = language + QLatin1Char('-') + QString::number(points);
      Shoot(&form, QStringLiteral("designer-") + tag);

      TSlideCaptionForm caption(fakes.dialogs, fakes.prompts, &form);
      caption.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&caption));
      EXPECT_EQ(Misfits(&caption), std::vector<std::string>{});
      Shoot(&caption, QStringLiteral("caption-") + tag);
      caption.hide();

      ExportVideoDialog exportDialog(fakes.dialogs, fakes.prompts, &form);
      exportDialog.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&exportDialog));
      EXPECT_EQ(Misfits(&exportDialog), std::vector<std::string>{});
      Shoot(&exportDialog, QStringLiteral("export-") + tag);
      exportDialog.hide();

      MusicDialog music(fakes.dialogs, ShowMusic{}, {}, &form);
      music.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&music));
      EXPECT_EQ(Misfits(&music), std::vector<std::string>{});
      Shoot(&music, QStringLiteral("music-") + tag);
      music.hide();
    }
  }
  QApplication::setFont(desktop);
}

// Help opens in the user's language where a page is translated and in English where
// not, and no link of any page, in any language, leads nowhere.
TEST(TranslatedHelp, PagesFollowTheLanguageAndEveryLinkResolves) {
  const QLocale before;
  for (const char* code : kTranslatedLanguages) {
    QLocale::setDefault(QLocale(QString::fromLatin1(code)));
    const QString page = HelpPageFor(kHelpDesigner);
    EXPECT_TRUE(page.startsWith(QStringLiteral("qrc:/help/%1/").arg(QString::fromLatin1(code))))
        << page.toStdString();
    EXPECT_TRUE(HelpPageFor(kHelpArrangementStage).startsWith(QStringLiteral("qrc:/help/")));
  }
  QLocale::setDefault(QLocale(QLocale::Dutch));
  EXPECT_EQ(HelpPageFor(kHelpDesigner), "qrc:/help/designer.html");
  QLocale::setDefault(before);

  const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)\""));
  QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                     QDirIterator::Subdirectories);
  int seen = 0;
  while (pages.hasNext()) {
    const QString path = pages.next();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (auto m = link.globalMatch(html); m.hasNext();) {
      const QString target = QFileInfo(path).dir().filePath(m.next().captured(1));
      EXPECT_TRUE(QFile::exists(QDir::cleanPath(target)))
          << path.toStdString() << " -> " << target.toStdString();
    }
    ++seen;
  }
  EXPECT_GE(seen, 7 * 7);  // every page in English and the six languages
}

// Messages the core composes around a file name or a number reach the user in the user's
// language, with the name and the number in them; in English they stay as composed.
TEST(TranslatedMessages, ComposedCoreMessagesKeepTheirNamesInEveryLanguage) {
  const QString folder = QDir::temp().filePath(
      QStringLiteral("lrw-composed-%1").arg(QCoreApplication::applicationPid()));
  QDir().mkpath(folder);
  const std::string notAShow =
      QDir(folder).filePath(QStringLiteral("notes 100%2.sho")).toStdString();
  {
    QFile file(QString::fromStdString(notAShow));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just some words, not a show");
  }
  ExportOptions h265;
  h265.width = 3840;
  h265.height = 2160;
  h265.codec = VideoCodec::H265;
  const struct {
    std::string english;
    std::string name;
  } messages[] = {
      {DamagedFileText({"/shows/holiday.sho", 3}), "/shows/holiday.sho"},
      {DamagedFileText({"/shows/holiday.sho", 1}), "/shows/holiday.sho"},
      {ReadShowFile(notAShow).error().message, notAShow},
      {CheckExportOptions("/videos/trip.webm", h265), ".webm"},
      {CheckExportOptions("/videos/trip.mp4", h265), CodecName(VideoCodec::H265)},
  };
  for (const auto& m : messages) ASSERT_FALSE(m.english.empty());
  for (const char* code : kTranslatedLanguages) {
    const Translations translations{QLocale(QString::fromLatin1(code))};
    for (const auto& m : messages) {
      const QString shown = CoreMessage(m.english);
      EXPECT_NE(shown.toStdString(), m.english) << code;
      EXPECT_TRUE(shown.contains(QString::fromStdString(m.name)))
          << code << ": " << shown.toStdString();
    }
  }
  const Translations english{QLocale(QLocale::English)};
  for (const auto& m : messages) EXPECT_EQ(CoreMessage(m.english).toStdString(), m.english);
  QDir(folder).removeRecursively();
}

}  // namespace
}  // namespace lrw
