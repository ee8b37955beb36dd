// The caption text editor, on its own and through the panel's "Edit" button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <numeric>

#include "designer/DesignerFixture.h"
#include "designer/FileCommands.h"
#include "designer/ModalDriver.h"
#include "designer/SlideCaptionForm.h"
#include "platform/HelpViewer.h"
#include "platform/QtDialogs.h"
#include "player/CaptionFont.h"
#include "player/WrapCaption.h"

namespace lrw {
namespace {

using Editor = SlideCaptionForm;

// Types any characters, as a keyboard layout that has them would.
void TypeText(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  }
}

std::string Joined(const std::vector<std::string>& lines) {
  return std::accumulate(lines.begin(), lines.end(), std::string());
}

class CaptionEditor : public test::DesignerFixture {
 protected:
  // Opens a show of one picture slide with a caption to edit, changed by `change`.
  void OpenSlide(const std::function<void(SlideRecord&)>& change = {}) {
    SlideRecord slide = test::PictureSlide("one.jpg");
    slide.ShowCaption = 1;
    slide.CaptionFontName = "DejaVu Sans";
    slide.CaptionFontSize = 12;
    slide.CaptionFontColor = 0x00102030u;
    slide.CaptionBackColor = 0x00FFFFFFu;
    if (change) change(slide);
    Open({slide});
    ClickCell(0);
  }
  const SlideRecord& Slide() const { return Doc().SlideAt(0); }

  // Opens the editor with "Edit" and lets `act` work in it.
  void Edit(std::function<void(Editor&)> act) {
    if (Doc().Count() == 0) OpenSlide();
    test::WhenModal<Editor>(std::move(act));
    W<QPushButton>("btnEdit_Caption")->click();
  }
};

TEST_F(CaptionEditor, EnterLeavesAPilcrowAndStartsANewLine) {
  Edit([](Editor& e) {
    QTest::keyClicks(e.TextEdit(), "Hello");
    QTest::keyClick(e.TextEdit(), Qt::Key_Return);
    QTest::keyClicks(e.TextEdit(), "World");
    e.OkButton()->click();
  });
  EXPECT_EQ(Slide().Caption, (std::vector<std::string>{"Hello\xB6", "World"}));
  EXPECT_TRUE(Doc().Modified());

  // The caption layout breaks at the pilcrow, whatever the width.
  const QtTextMeasurer measurer(CaptionFont(Slide()));
  std::vector<std::string> shown;
  int width = 500;
  WrapCaption(Slide().Caption, measurer, shown, width);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(TrimCaptionRight(shown[0]), "Hello");
  EXPECT_EQ(TrimCaptionRight(shown[1]), "World");
}

TEST_F(CaptionEditor, ShiftEnterAndKeypadEnterAlsoEndTheLineWithAPilcrow) {
  Edit([](Editor& e) {
    QTest::keyClicks(e.TextEdit(), "a");
    QTest::keyClick(e.TextEdit(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(e.TextEdit(), "b");
    QTest::keyClick(e.TextEdit(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(e.TextEdit(), "c");
    e.OkButton()->click();
  });
  EXPECT_EQ(Slide().Caption, (std::vector<std::string>{"a\xB6", "b\xB6", "c"}));
}

TEST_F(CaptionEditor, SoftLineEndsComeBackAsLinesThatJoinToTheTypedText) {
  const std::string sentence =
      "The quick brown fox jumps over the lazy dog while the patient slide show waits "
      "for its caption to be typed in one long line without a single press of Enter.";
  Edit([&](Editor& e) {
    QTest::keyClicks(e.TextEdit(), QString::fromStdString(sentence));
    e.OkButton()->click();
  });
  EXPECT_GE(Slide().Caption.size(), 2u);
  EXPECT_EQ(Joined(Slide().Caption), sentence);
  // The caption is broken by its own width, not by the editor's lines.
  const QtTextMeasurer measurer(CaptionFont(Slide()));
  std::vector<std::string> shown;
  int width = 4000;
  WrapCaption(Slide().Caption, measurer, shown, width);
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(CaptionEditor, CancelAfterChangingFontAndColoursKeepsTheSlide) {
  OpenSlide();
  const SlideRecord before = Slide();
  QFont big("DejaVu Serif");
  big.setPointSize(24);
  big.setBold(true);
  fakes.dialogs.fontResults.push_back({big, QColor(255, 0, 0)});
  fakes.dialogs.colorResults.push_back(QColor(0, 0, 255));
  Edit([](Editor& e) {
    QTest::keyClicks(e.TextEdit(), "changed");
    e.FontButton()->click();
    // Shown at once: 24 points at 96 dpi, bold, red on blue.
    EXPECT_EQ(e.TextEdit()->font().pixelSize(), 32);
    EXPECT_TRUE(e.TextEdit()->font().bold());
    EXPECT_EQ(e.CaptionFontColor(), QColor(255, 0, 0));
    e.BackColorButton()->click();
    EXPECT_EQ(e.ShownBackColor(), QColor(0, 0, 255));
    e.CancelButton()->click();
  });
  EXPECT_EQ(Slide().ToBytes(), before.ToBytes());
  EXPECT_TRUE(Slide().Caption.empty());
  EXPECT_FALSE(Doc().Modified());
}

TEST_F(CaptionEditor, OkStoresTheChosenFontAndColours) {
  QFont big("DejaVu Serif");
  big.setPointSize(24);
  big.setBold(true);
  big.setItalic(true);
  fakes.dialogs.fontResults.push_back({big, QColor(255, 0, 0)});
  fakes.dialogs.colorResults.push_back(QColor(0, 128, 0));
  Edit([](Editor& e) {
    QTest::keyClicks(e.TextEdit(), "x");
    e.FontButton()->click();
    e.BackColorButton()->click();
    e.OkButton()->click();
  });
  // The dialogs opened on the slide's own font, size and colours.
  ASSERT_EQ(fakes.dialogs.fontRequests.size(), 1u);
  EXPECT_EQ(fakes.dialogs.fontRequests[0].first.family(), "DejaVu Sans");
  EXPECT_EQ(fakes.dialogs.fontRequests[0].first.pointSize(), 12);
  EXPECT_EQ(fakes.dialogs.fontRequests[0].second, QColor(0x30, 0x20, 0x10));
  ASSERT_EQ(fakes.dialogs.colorRequests.size(), 1u);
  EXPECT_EQ(fakes.dialogs.colorRequests[0], QColor(255, 255, 255));

  EXPECT_EQ(Slide().CaptionFontName, "DejaVu Serif");
  EXPECT_EQ(Slide().CaptionFontSize, 24);
  EXPECT_EQ(Slide().CaptionFontStyle, FontStyle::Bold | FontStyle::Italic);
  EXPECT_EQ(Slide().CaptionFontColor, 0x000000FFu);
  EXPECT_EQ(Slide().CaptionBackColor, 0x00008000u);
}

TEST_F(CaptionEditor, CancelledFontAndColourDialogsLeaveTheTextAreaAsItWas) {
  Edit([](Editor& e) {
    const QFont font = e.TextEdit()->font();
    e.FontButton()->click();
    e.BackColorButton()->click();
    EXPECT_EQ(e.TextEdit()->font(), font);
    EXPECT_EQ(e.CaptionFontColor(), QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(e.ShownBackColor(), QColor(255, 255, 255));
    QTest::keyClicks(e.TextEdit(), "x");
    e.OkButton()->click();
  });
  EXPECT_EQ(Slide().CaptionFontSize, 12);
  EXPECT_EQ(Slide().CaptionFontColor, 0x00102030u);
}

TEST_F(CaptionEditor, SystemColoursLeftAloneStaySystemColours) {
  OpenSlide([](SlideRecord& s) {
    s.CaptionFontColor = kWindowTextColor;
    s.CaptionBackColor = 0x80000005u;
  });
  Edit([](Editor& e) {
    QTest::keyClicks(e.TextEdit(), "x");
    e.OkButton()->click();
  });
  EXPECT_EQ(Slide().CaptionFontColor, kWindowTextColor);
  EXPECT_EQ(Slide().CaptionBackColor, 0x80000005u);
}

TEST_F(CaptionEditor, OpensOnAnExistingCaptionWithTheCaretAtTheEnd) {
  OpenSlide([](SlideRecord& s) { s.Caption = {"First ", "second"}; });
  Edit([](Editor& e) {
    EXPECT_EQ(e.TextEdit()->toPlainText(), "First \nsecond");
    EXPECT_TRUE(e.TextEdit()->textCursor().atEnd());
    QTest::keyClicks(e.TextEdit(), "!");
    e.OkButton()->click();
  });
  EXPECT_EQ(Slide().Caption, (std::vector<std::string>{"First ", "second!"}));
}

TEST_F(CaptionEditor, EmptyTextLeftWithOkGivesAnEmptyCaption) {
  OpenSlide([](SlideRecord& s) { s.Caption = {"gone"}; });
  Edit([](Editor& e) {
    e.TextEdit()->selectAll();
    QTest::keyClick(e.TextEdit(), Qt::Key_Delete);
    e.OkButton()->click();
  });
  EXPECT_TRUE(Slide().Caption.empty());
}

// The face a show names is kept when the font dialog is left with OK unchanged, also
// when this desktop shows it through a substitute.
TEST_F(CaptionEditor, OkInTheFontDialogWithoutAChangeKeepsTheStoredFace) {
  QtDialogs dialogs;
  SlideshowDesignForm designer(DesignerServices{fakes.prompts, dialogs, QSize(1024, 768)});
  SlideRecord slide = test::PictureSlide("one.jpg");
  slide.ShowCaption = 1;
  slide.Caption = {"Hello"};
  slide.CaptionFontName = "MS Sans Serif";
  ASSERT_TRUE(test::WriteShow(Path("old.sho"), {slide}));
  designer.Editor().Execute(LoadShowCommand(Path("old.sho")));
  designer.Editor().Select({0}, 0);
  test::WhenModal<Editor>([](Editor& e) {
    test::WhenModal<QDialog>([](QDialog& fonts) { fonts.accept(); });
    e.FontButton()->click();
    e.OkButton()->click();
  });
  test::Find<QPushButton>(designer, "btnEdit_Caption")->click();
  EXPECT_EQ(designer.Editor().Document().SlideAt(0).CaptionFontName, "MS Sans Serif");
  EXPECT_FALSE(designer.Editor().Document().Modified());
}

TEST_F(CaptionEditor, CharactersAWindows1252TextCannotHoldAreRefusedWithABeep) {
  Edit([this](Editor& e) {
    TypeText(e.TextEdit(), QString::fromUtf8("caf\u00e9 \u20ac5"));
    EXPECT_TRUE(fakes.prompts.beeps.empty());
    TypeText(e.TextEdit(), QString::fromUtf8("\u03a9\u4e2d"));
    EXPECT_EQ(fakes.prompts.beeps.size(), 2u);

    QApplication::clipboard()->setText(QString::fromUtf8(" a\u03a9b"));
    e.TextEdit()->paste();
    EXPECT_EQ(fakes.prompts.beeps.size(), 3u);
    QApplication::clipboard()->setText(QStringLiteral(" ok"));
    e.TextEdit()->paste();
    EXPECT_EQ(fakes.prompts.beeps.size(), 3u);
    e.OkButton()->click();
  });
  EXPECT_EQ(Slide().Caption, (std::vector<std::string>{"caf\xE9 \x80"
                                                       "5 ok"}));
}

TEST_F(CaptionEditor, WindowHasItsTitleSizeButtonsAndHints) {
  Edit([](Editor& e) {
    EXPECT_EQ(e.windowTitle(), "Brightframework - Slide Caption");
    EXPECT_EQ(e.size(), QSize(663, 332));
    EXPECT_EQ(e.TextEdit()->geometry(), QRect(22, 16, 547, 265));
    EXPECT_EQ(e.OkButton()->geometry(), QRect(145, 288, 66, 25));
    EXPECT_EQ(e.CancelButton()->geometry(), QRect(232, 288, 68, 25));
    EXPECT_EQ(e.FontButton()->geometry(), QRect(596, 24, 33, 33));
    EXPECT_EQ(e.BackColorButton()->geometry(), QRect(596, 64, 33, 33));
    EXPECT_EQ(e.OkButton()->text(), "OK");
    EXPECT_EQ(e.CancelButton()->text(), "Cancel");
    EXPECT_EQ(e.FontButton()->toolTip(), "Font");
    EXPECT_EQ(e.BackColorButton()->toolTip(), "Background color");
    EXPECT_FALSE(e.FontButton()->icon().isNull());
    EXPECT_FALSE(e.BackColorButton()->icon().isNull());
    QTest::keyClick(e.TextEdit(), Qt::Key_F1);
    ASSERT_NE(FindHelpViewer(), nullptr);
    EXPECT_EQ(FindHelpViewer()->CurrentPage(), HelpPageFor(2003));
    FindHelpViewer()->close();
    // Esc leaves with Cancel.
    QTest::keyClick(e.TextEdit(), Qt::Key_Escape);
  });
  EXPECT_TRUE(Slide().Caption.empty());
}

}  // namespace
}  // namespace lrw
