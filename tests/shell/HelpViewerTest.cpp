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

// The lowest contrast (4.5:1 reads well) of any text on the page shown, as the browser paints
// it: a colour the page gives, or else the palette's, over its cell's, block's or page's.
double LowestTextContrast(QTextBrowser& browser, QString* where) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const auto over = [](const QBrush& brush, QColor& colour) {
    if (brush.style() != Qt::NoBrush) colour = brush.color();
  };
  double lowest = 100;
  QTextDocument* doc = browser.document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.text().trimmed().isEmpty()) continue;
      QColor text = browser.palette().color(QPalette::Text);
      QColor back = browser.palette().color(QPalette::Base);
      over(fragment.charFormat().foreground(), text);
      over(block.blockFormat().background(), back);
      QTextCursor cursor(doc);
      cursor.setPosition(fragment.position());
      if (QTextTable* table = cursor.currentTable())
        over(table->cellAt(cursor).format().background(), back);
      over(fragment.charFormat().background(), back);
      const double l1 = luminance(text), l2 = luminance(back);
      const double contrast = (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
      if (contrast < lowest) {
        lowest = contrast;
        *where = fragment.text().left(40);
      }
    }
  }
  return lowest;
}

// The help pages follow the desktop's palette, light or dark, also when it changes while
// the help window is open.
TEST_F(HelpViewerTest, PagesReadInLightAndDarkThemes) {
  const QPalette light = QApplication::palette();
  QPalette dark(QColor(45, 45, 45));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::AlternateBase, QColor(55, 55, 60));
  dark.setColor(QPalette::Text, QColor(225, 225, 225));
  dark.setColor(QPalette::WindowText, QColor(225, 225, 225));
  dark.setColor(QPalette::Link, QColor(120, 170, 255));
  const auto checkAllPages = [&](const char* theme) {
    HelpViewer* viewer = FindHelpViewer();
    ASSERT_NE(viewer, nullptr);
    for (const char* page : {"contents", "designer", "files", "caption-editor", "arrangement",
                             "show-player", "command-line"}) {
      viewer->Browser()->setSource(QUrl(QString("qrc:/help/%1.html").arg(page)));
      QString where;
      EXPECT_GE(LowestTextContrast(*viewer->Browser(), &where), 4.5)
          << theme << ", " << page << ": \"" << where.toStdString() << "\"";
    }
  };

  ShowHelp(kHelpContents);
  checkAllPages("light");
  QApplication::setPalette(dark);
  QCoreApplication::processEvents();
  checkAllPages("dark, changed while open");
  while (HelpViewer* v = FindHelpViewer()) v->close();
  ShowHelp(kHelpDesigner);
  checkAllPages("dark, opened in it");
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace lrw
