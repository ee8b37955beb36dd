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
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include "designer/ExportVideoDialog.h"
#include "designer/FakeServices.h"
#include "designer/FileCommands.h"
#include "designer/ModalDriver.h"
#include "designer/MusicDialog.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"
#include "document/ShowRecords.h"
#include "export/ExportOptions.h"
#include "platform/CoreText.h"
#include "platform/HelpViewer.h"
#include "platform/QtPrompts.h"
#include "platform/Translations.h"
#include "player/MediaPlayer.h"
#include "support/TestWave.h"

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
      SlideshowDesignForm form{fakes.services()};
      form.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
      EXPECT_EQ(Misfits(&form), std::vector<std::string>{});
      const QString tag = language + QLatin1Char('-') + QString::number(points);
      Shoot(&form, QStringLiteral("designer-") + tag);

      SlideCaptionForm caption(fakes.dialogs, fakes.prompts, &form);
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

// Messages the core composes around names and numbers reach the user in the user's
// language as whole sentences, the names and numbers in them and nothing of the English
// wording left; in English they stay byte for byte as the core composed them. The
// question before saving as 4.0 goes through the real message box.
TEST(TranslatedMessages, ComposedCoreMessagesAreWholeSentencesInEveryLanguage) {
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
  // Motion on eleven slides (a list cut after eight), one smooth transition.
  std::vector<SlideRecord> slides(12);
  for (int i = 0; i < 11; ++i) slides[i].Motion.kind = MotionKind::ZoomIn;
  slides[11].Smooth = SmoothEffect::CrossFade;
  slides[11].Effect = 35;
  ShowMusic twoTracks;
  twoTracks.tracks = {"/m/a.flac", "/m/b.flac"};
  SlideShowDocument show;
  show.Load(slides, "/shows/trip.sho", false, twoTracks);
  SlideShowDocument oneSmooth;
  oneSmooth.Load({slides[11]}, "/shows/one.sho", false);
  ShowMusic oneTrack;
  oneTrack.tracks = {"/m/a.flac"};
  SlideShowDocument music;
  music.Load({SlideRecord{}}, "/shows/music.sho", false, oneTrack);

  ExportOptions h265;
  h265.width = 3840;
  h265.height = 2160;
  h265.codec = VideoCodec::H265;
  MediaPlayer damagedSound;
  // A rate no sound is recorded at: damaged.
  const std::string hum = QDir(folder).filePath(QStringLiteral("hum.wav")).toStdString();
  ASSERT_TRUE(test::WriteTestWave(hum, 400, 1));
  damagedSound.SetFileName(hum);
  EXPECT_FALSE(damagedSound.Open());
  const std::string soundError = damagedSound.ErrorMessage();
  ASSERT_EQ(soundError, "The sound file \"hum.wav\" is damaged.");

  const QString dissolve = QStringLiteral("Dissolve");
  const QString crossFade = QStringLiteral("Cross-fade");
  const struct {
    MarkedText text;
    std::string english;
    std::vector<QString> kept;  // names and numbers that every language shows
  } messages[] = {
      {Version4Question(MarkedFeaturesBeyondVersion4(show)),
       "A Lanternreelworks 4.0 show does not keep the music (2 files), the motion of slides 1, "
       "2, 3, 4, 5, 6, 7, 8 and 3 more and the smooth transition of slide 12 (Cross-fade "
       "becomes Dissolve).\n\nSave it as a 4.0 show without them?",
       {"(2 ", "8", " 3", "12"}},
      {Version4Question(MarkedFeaturesBeyondVersion4(oneSmooth)),
       "A Lanternreelworks 4.0 show does not keep the smooth transition of slide 1 (Cross-fade "
       "becomes Dissolve).\n\nSave it as a 4.0 show without it?",
       {"1 ("}},
      {Version4Question(MarkedFeaturesBeyondVersion4(music)),
       "A Lanternreelworks 4.0 show does not keep the music (1 file).\n\nSave it as a 4.0 show "
       "without it?",
       {"(1 "}},
      {DamagedFileText({"/shows/holiday.sho", 3}),
       "File /shows/holiday.sho was damaged; saving replaces it with the 3 slides that could be "
       "read.\n\nReplace it? Choose No to save the show under another name.",
       {"/shows/holiday.sho", "3"}},
      {DamagedFileText({"/shows/holiday.sho", 1}),
       "File /shows/holiday.sho was damaged; saving replaces it with the 1 slide that could be "
       "read.\n\nReplace it? Choose No to save the show under another name.",
       {"/shows/holiday.sho"}},
      {NotAShowFileMessage(notAShow),
       ReadShowFile(notAShow).error().message,
       {QString::fromStdString(notAShow)}},
      {*ExportOptionsProblem("/videos/trip.webm", h265),
       "A .webm file holds vp9 or av1 video, not h265.",
       {".webm", "vp9", "av1", "h265"}},
      {*ExportOptionsProblem("/videos/trip.mp4", h265),
       CheckExportOptions("/videos/trip.mp4", h265).error().message,
       {"h265"}},
      {PlainText(soundError), soundError, {"hum.wav"}},
  };
  const auto shown = [](const MarkedText& t) {
    // The player's messages still come as English text (CoreText.cpp).
    return t.context ? ShownText(t) : CoreMessage(t.english);
  };
  for (const auto& m : messages) EXPECT_EQ(m.text.english, m.english);
  for (const char* code : kTranslatedLanguages) {
    const Translations translations{QLocale(QString::fromLatin1(code))};
    const QString effects[] = {QCoreApplication::translate("lrw::EffectNames", "Cross-fade"),
                               QCoreApplication::translate("lrw::EffectNames", "Dissolve")};
    for (const auto& m : messages) {
      const QString text = shown(m.text);
      const std::string where = std::string(code) + ": " + text.toStdString();
      EXPECT_NE(text.toStdString(), m.english) << where;
      for (const QString& kept : m.kept) EXPECT_TRUE(text.contains(kept)) << where;
      for (const char* english :
           {"does not keep", "the motion", "slides", "becomes", " and ", " more", "files)", "%n"}) {
        EXPECT_FALSE(text.contains(QLatin1String(english))) << where;
      }
      if (m.text.english.find("Cross-fade") != std::string::npos) {
        for (const QString& e : effects) EXPECT_TRUE(text.contains(e)) << where;
      }
    }
    // Through the real message box the question reads the same.
    QString asked;
    test::WhenModal<QMessageBox>([&asked](QMessageBox& box) {
      asked = box.text();
      box.button(QMessageBox::No)->click();
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.AskMarked(messages[0].text, "Lanternreelworks", PromptIcon::Question,
                                PromptButtons::YesNo, PromptAnswer::No),
              PromptAnswer::No);
    EXPECT_EQ(asked, ShownText(messages[0].text)) << code;
  }
  const Translations english{QLocale(QLocale::English)};
  for (const auto& m : messages) EXPECT_EQ(shown(m.text).toStdString(), m.english);
  QDir(folder).removeRecursively();
}

}  // namespace
}  // namespace lrw
