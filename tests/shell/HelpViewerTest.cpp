#include "platform/HelpViewer.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cmath>

#include "ShellTestSupport.h"

namespace lrw {
namespace {

class HelpViewerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureApplication(); }
  void TearDown() override {
    while (HelpViewer* v = FindHelpViewer()) v->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

TEST_F(HelpViewerTest, EachContextOpensItsOwnPage) {
  struct Case {
    int context;
    const char* page;
    const char* heading;
  };
  const Case cases[] = {
      {kHelpContents, "qrc:/help/contents.html", "Lanternreelworks! Help"},
      {-3, "qrc:/help/contents.html", "Lanternreelworks! Help"},
      {77, "qrc:/help/contents.html", "Lanternreelworks! Help"},
      {kHelpDesigner, "qrc:/help/designer.html", "The designer window"},
      {kHelpCaptionEditor, "qrc:/help/caption-editor.html", "The caption editor"},
      {kHelpShowPlayer, "qrc:/help/show-player.html", "Running a show"},
      {kHelpArrangementStage, "qrc:/help/arrangement.html", "The arrangement stage"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.context);
    ShowHelp(c.context);
    HelpViewer* viewer = FindHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentPage(), c.page);
    EXPECT_TRUE(viewer->Browser()->toPlainText().startsWith(c.heading) ||
                viewer->Browser()->toPlainText().contains(QString("\n") + c.heading))
        << viewer->Browser()->toPlainText().left(200).toStdString();
  }
}

TEST_F(HelpViewerTest, OneWindowServesEveryRequestAndAClosedOneIsReplaced) {
  ShowHelp(kHelpDesigner);
  HelpViewer* first = FindHelpViewer();
  ShowHelp(kHelpShowPlayer);
  EXPECT_EQ(FindHelpViewer(), first);
  int viewers = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    viewers += qobject_cast<HelpViewer*>(w) ? 1 : 0;
  EXPECT_EQ(viewers, 1);

  first->close();  // deleted later, not yet
  EXPECT_EQ(FindHelpViewer(), nullptr);
  ShowHelp(kHelpContents);
  ASSERT_NE(FindHelpViewer(), nullptr);
  EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/contents.html");
}

TEST_F(HelpViewerTest, EveryLinkOfTheContentsLeadsToAPage) {
  ShowHelp(kHelpContents);
  HelpViewer* viewer = FindHelpViewer();
  ASSERT_NE(viewer, nullptr);
  const QStringList pages = {"designer.html",    "files.html",       "caption-editor.html",
                             "arrangement.html", "show-player.html", "command-line.html"};
  const QString html = viewer->Browser()->toHtml();
  for (const QString& page : pages) {
    SCOPED_TRACE(page.toStdString());
    EXPECT_TRUE(html.contains(page));
    viewer->Browser()->setSource(QUrl("qrc:/help/" + page));
    EXPECT_GT(viewer->Browser()->toPlainText().size(), 200);
  }
  viewer->ShowTopic(kHelpShowPlayer);
  test::KeepScreenshot(*viewer, "help");
}

double Luminance(const QColor& c) {
  auto channel = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast of any text on the page shown, as the browser paints it: a
// colour a page or style sheet gives, or else the palette's.
double LowestTextContrast(QTextBrowser& browser, QString* where) {
  const QPalette& pal = browser.palette();
  double lowest = 100;
  QTextDocument* doc = browser.document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.text().trimmed().isEmpty()) continue;
      const QTextCharFormat format = fragment.charFormat();
      const QColor text = format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                                     : pal.color(QPalette::Text);
      QColor back = pal.color(QPalette::Base);
      QTextCursor cursor(doc);
      cursor.setPosition(fragment.position());
      if (block.blockFormat().background().style() != Qt::NoBrush)
        back = block.blockFormat().background().color();
      if (QTextTable* table = cursor.currentTable()) {
        const QBrush cell = table->cellAt(cursor).format().background();
        if (cell.style() != Qt::NoBrush) back = cell.color();
      }
      if (format.background().style() != Qt::NoBrush) back = format.background().color();
      const double contrast = Contrast(text, back);
      if (contrast < lowest) {
        lowest = contrast;
        *where = fragment.text().left(40);
      }
    }
  }
  return lowest;
}

// The help pages follow the desktop's palette: every text keeps a readable contrast
// (4.5:1) in a light and in a dark theme, also when the theme changes while the help
// window is open.
TEST_F(HelpViewerTest, PagesReadInLightAndDarkThemes) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(45, 45, 45));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::AlternateBase, QColor(55, 55, 60));
  dark.setColor(QPalette::Text, QColor(225, 225, 225));
  dark.setColor(QPalette::WindowText, QColor(225, 225, 225));
  dark.setColor(QPalette::Link, QColor(120, 170, 255));

  const int contexts[] = {kHelpContents, kHelpDesigner, kHelpCaptionEditor, kHelpShowPlayer,
                          kHelpArrangementStage};
  auto checkAllPages = [&](const char* theme) {
    HelpViewer* viewer = FindHelpViewer();
    ASSERT_NE(viewer, nullptr);
    QStringList pages;
    for (int context : contexts) pages << HelpPageFor(context);
    pages << "qrc:/help/files.html"
          << "qrc:/help/command-line.html";
    for (const QString& page : pages) {
      viewer->Browser()->setSource(QUrl(page));
      QString where;
      EXPECT_GE(LowestTextContrast(*viewer->Browser(), &where), 4.5)
          << theme << ", " << page.toStdString() << ": \"" << where.toStdString() << "\"";
    }
  };

  ShowHelp(kHelpContents);
  checkAllPages("light");
  QApplication::setPalette(dark);  // the open window follows
  QCoreApplication::processEvents();
  checkAllPages("dark, changed while open");
  while (HelpViewer* v = FindHelpViewer()) v->close();
  ShowHelp(kHelpDesigner);
  checkAllPages("dark, opened in it");
  FindHelpViewer()->ShowTopic(kHelpDesigner);
  test::KeepScreenshot(*FindHelpViewer(), "help-dark");
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace lrw
