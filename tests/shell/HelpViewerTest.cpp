#include "platform/HelpViewer.h"

#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTextDocument>

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

}  // namespace
}  // namespace lrw
