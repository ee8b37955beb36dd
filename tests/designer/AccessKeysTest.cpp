// Access keys in every window and every language: no two visible controls of one window
// (nor two items of one menu) answer the same Alt+letter, or the second could never be
// reached that way. Walks the real windows as a user opens them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <set>

#include "designer/DesignerTestSupport.h"
#include "designer/ExportVideoDialog.h"
#include "designer/FakeServices.h"
#include "designer/MusicDialog.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "platform/Translations.h"

namespace lrw {
namespace {

// Texts of the program that must stay as they are and share a key in English; the
// translations are free to part them, so only English is let off.
const std::set<std::pair<std::string, std::string>> kFixedEnglishClashes = {
    {"&Slideshow sequence", "&Sound"},
    {"Restore Proportional &Width", "Exit &Without Saving"},
};

using Keys = std::map<QKeySequence, QStringList>;

void Add(Keys& keys, const QString& text) {
  const QKeySequence key = QKeySequence::mnemonic(text);
  if (!key.isEmpty()) keys[key].push_back(text);
}

// The visible texts of `window` that carry an access key, by key.
Keys KeysOf(QWidget* window) {
  Keys keys;
  const auto add = [&keys](const QString& text) { Add(keys, text); };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
      add(b->text());
    else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
      add(l->text());
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      add(g->title());
    else if (auto* m = qobject_cast<QMenuBar*>(w))
      for (QAction* a : m->actions())
        if (a->isVisible()) add(a->text());
  }
  return keys;
}

// Clashes within `window` and within each of its menus, "where: text / text".
void Clashes(const std::string& where, QWidget* window, bool english,
             std::vector<std::string>& found) {
  const auto report = [&](const std::string& scope, const Keys& keys) {
    for (const auto& [key, texts] : keys) {
      if (texts.size() < 2) continue;
      if (english && texts.size() == 2 &&
          kFixedEnglishClashes.count({texts[0].toStdString(), texts[1].toStdString()}))
        continue;
      found.push_back(scope + ": " + texts.join(QStringLiteral(" / ")).toStdString());
    }
  };
  report(where, KeysOf(window));
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    Keys keys;
    for (QAction* a : menu->actions())
      if (a->isVisible()) Add(keys, a->text());
    report(where + " menu " +
               (menu->title().isEmpty() ? menu->objectName() : menu->title()).toStdString(),
           keys);
  }
}

TEST(AccessKeys, NoTwoControlsOfAWindowShareOneInAnyLanguage) {
  QTemporaryDir dir;
  const std::string show = dir.filePath(QStringLiteral("show.sho")).toStdString();
  ASSERT_TRUE(test::WriteShow(show, {test::PictureSlide("beach.jpg"), test::BlankSlide(0xFF)}));
  std::vector<QString> languages{QStringLiteral("en")};
  for (const char* code : kTranslatedLanguages) languages.push_back(QString::fromLatin1(code));
  for (const QString& language : languages) {
    const Translations translations{QLocale(language)};
    const bool english = language == QLatin1String("en");
    std::vector<std::string> found;
    test::FakeServices fakes;
    SlideshowDesignForm form{fakes.services()};
    ASSERT_TRUE(test::ShowAndOpen(form, fakes, show));
    ASSERT_EQ(form.Editor().Document().Count(), 2);
    form.Editor().Select({0}, 0);
    Clashes("designer", &form, english, found);

    SlideCaptionForm caption(fakes.dialogs, fakes.prompts, &form);
    ExportVideoDialog exportDialog(fakes.dialogs, fakes.prompts, &form);
    MusicDialog music(fakes.dialogs, ShowMusic{}, {}, &form);
    for (auto [where, dialog] : {std::pair<const char*, QDialog*>{"caption editor", &caption},
                                 {"export", &exportDialog},
                                 {"music", &music}}) {
      dialog->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
      Clashes(where, dialog, english, found);
      dialog->hide();
    }

    form.findChild<QPushButton*>(QStringLiteral("btnPreview"))->click();
    ASSERT_TRUE(form.Stage());
    Clashes("stage", form.Stage(), english, found);
    QTest::keyClick(form.Stage(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));

    EXPECT_EQ(found, std::vector<std::string>{}) << language.toStdString();
  }
}

}  // namespace
}  // namespace lrw
