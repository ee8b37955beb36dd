// The arrangement stage opened from the designer on a real show: what its windows
// show, how they move and size, and what closing writes back into the slide.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewBackgroundForm.h"
#include "arrange/SlidePreviewForm.h"
#include "designer/ColorSwatch.h"
#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/ModalDriver.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "platform/HelpViewer.h"
#include "platform/QtPrompts.h"
#include "player/CaptionFont.h"

namespace lrw {
namespace {

constexpr int kFrame = TPreviewForm::kFrameWidth;

class Arrange : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  TSlideshowDesignForm form{fakes.services()};
  QTemporaryDir dir;

  void TearDown() override {
    if (form.ArrangementStage) Stage().FormKeyDown(Qt::Key_Escape, Qt::NoModifier);
    QTest::qWaitFor([&] { return form.ArrangementStage.isNull(); }, 2000);
  }

  // A picture slide whose picture is a w x h file in the temporary folder.
  SlideRecord PictureSlide(int w = 640, int h = 480) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 90));
    EXPECT_TRUE(picture.save(dir.filePath("pic.bmp"), "BMP"));
    SlideRecord s =
        test::PictureSlide("pic.bmp", 60, 45, 0xFF3070C0u, dir.path().toStdString() + "/");
    s.ImageLeft = 100;
    s.ImageTop = 50;
    s.ImageWidth = 320;
    s.ImageHeight = 240;
    s.CenterImage = 0;
    s.BackgroundColor = 0x203040;
    return s;
  }
  static void GiveCaption(SlideRecord& s, std::vector<std::string> lines) {
    s.ShowCaption = 1;
    s.Caption = std::move(lines);
    s.CaptionFontName = "DejaVu Sans";
    s.CaptionFontSize = 12;
    s.CaptionFontColor = 0x000000;
    s.CaptionBackColor = 0xFFFFFF;
    s.CaptionLeft = 200;
    s.CaptionTop = 600;
    s.CaptionWidth = 150;
  }

  void Open(SlideRecord slide) {
    test::LoadShow(form, {std::move(slide)});
    test::SelectSlides(form, {0});
    form.btnPreviewClick();
    ASSERT_FALSE(form.ArrangementStage.isNull());
  }
  TSlidePreviewBackgroundForm& Stage() {
    return *qobject_cast<TSlidePreviewBackgroundForm*>(form.ArrangementStage.data());
  }
  TSlidePreviewForm* ImageWindow() { return Stage().SlidePreviewForm(); }
  TSlideCaptionPreviewForm* CaptionWindow() { return Stage().SlideCaptionPreviewForm(); }
  void WaitClosed() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.ArrangementStage.isNull(); }, 2000));
  }
  void ExitAndSave() {
    Stage().ExitandSave1->trigger();
    WaitClosed();
  }
  const SlideRecord& Slide() { return form.Document().SlideAt(0); }
  int CaptionLineHeight() { return QtTextMeasurer(CaptionFont(Slide())).TextHeight(); }
};

TEST_F(Arrange, ThePictureWindowsClientAreaLandsOnTheStoredBox) {
  Open(PictureSlide());
  TSlidePreviewBackgroundForm& stage = Stage();
  EXPECT_TRUE(stage.isVisible());
  EXPECT_EQ(stage.WindowColor(), 0x203040u);
  EXPECT_EQ(stage.PopupMenu1->actions().size(), 5);
  EXPECT_FALSE(form.isEnabled()) << "the designer waits while a slide is arranged";
  ASSERT_NE(ImageWindow(), nullptr);
  EXPECT_EQ(CaptionWindow(), nullptr);
  EXPECT_EQ(stage.ImageFrameWidth, kFrame);
  EXPECT_EQ(ImageWindow()->geometry(),
            QRect(100 - kFrame, 50 - kFrame, 320 + 2 * kFrame, 240 + 2 * kFrame));
  EXPECT_EQ(ImageWindow()->windowTitle(), "Move or Size This Window");
  EXPECT_EQ(stage.LoadedPicture.size(), QSize(640, 480));
  EXPECT_TRUE(stage.SaveOnClose);

  // Nudged by keys: Ctrl+Right moves by 1, Shift+Down makes it 1 taller.
  ImageWindow()->HandleKey(Qt::Key_Right, Qt::ControlModifier);
  ImageWindow()->HandleKey(Qt::Key_Down, Qt::ShiftModifier);
  ExitAndSave();
  EXPECT_TRUE(form.isEnabled());
  EXPECT_EQ(Slide().ImageLeft, 101);
  EXPECT_EQ(Slide().ImageTop, 50);
  EXPECT_EQ(Slide().ImageWidth, 320);
  EXPECT_EQ(Slide().ImageHeight, 241);
  EXPECT_EQ(Slide().CenterImage, 0);
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(Arrange, NothingChangedStillMarksAPictureSlideModified) {
  Open(PictureSlide());
  ExitAndSave();
  EXPECT_EQ(Slide().ImageLeft, 100);
  EXPECT_EQ(Slide().BackgroundColor, 0x203040u);
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(Arrange, CentringSurvivesResizingButNotMoving) {
  Open(PictureSlide());
  TSlidePreviewForm& image = *ImageWindow();
  image.CentertheImage1Click();
  EXPECT_TRUE(Stage().Centered);
  EXPECT_EQ(image.pos(), QPoint((1024 - 330) / 2, (768 - 250) / 2));

  // Wider by one and back to the picture's proportions: centred again each time.
  image.HandleKey(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_TRUE(Stage().Centered);
  EXPECT_EQ(image.x(), static_cast<int>((1024 - 331) * 0.5));
  image.Restoreproportionalwidth1Click();
  EXPECT_EQ(image.ClientWidth(), 320);  // 240 * 640 / 480
  EXPECT_TRUE(Stage().Centered);
  EXPECT_EQ(image.x(), (1024 - 330) / 2);
  image.RestoreOriginalDimensions1Click();
  EXPECT_EQ(image.size(), QSize(640, 480));
  EXPECT_EQ(image.pos(), QPoint(192, 144));
  EXPECT_TRUE(Stage().Centered);

  ExitAndSave();
  EXPECT_EQ(Slide().CenterImage, 1);
  EXPECT_EQ(Slide().ImageLeft, 192 + kFrame);
  EXPECT_EQ(Slide().ImageWidth, 640 - 2 * kFrame);
  EXPECT_TRUE(form.cbxCenter->isChecked()) << "the panel follows the stored flag";
}

TEST_F(Arrange, MovingACentredWindowEndsTheCentring) {
  SlideRecord s = PictureSlide();
  s.CenterImage = 1;
  Open(s);
  EXPECT_TRUE(Stage().Centered);
  ImageWindow()->HandleKey(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_FALSE(Stage().Centered);
  ExitAndSave();
  EXPECT_EQ(Slide().CenterImage, 0);
  EXPECT_EQ(Slide().ImageLeft, 99);
  EXPECT_FALSE(form.cbxCenter->isChecked());
}

TEST_F(Arrange, EscapeWritesNothingEvenAfterChanges) {
  SlideRecord s = PictureSlide();
  GiveCaption(s, {"Hello"});
  Open(s);
  const SlideRecord before = Slide();
  fakes.dialogs.colorResults.push_back(QColor(255, 0, 0));
  Stage().Changebackgroundcolor1Click();
  EXPECT_EQ(Stage().WindowColor(), 0x0000FFu);
  CaptionWindow()->MatchBackground1Click();
  ImageWindow()->HandleKey(Qt::Key_Right, Qt::ControlModifier);
  CaptionWindow()->HandleKey(Qt::Key_Escape, Qt::NoModifier);
  WaitClosed();
  EXPECT_EQ(Slide(), before);
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(Arrange, ExitWithoutSavingFromThePictureWindowWritesNothing) {
  Open(PictureSlide());
  ImageWindow()->HandleKey(Qt::Key_Right, Qt::ControlModifier);
  ImageWindow()->ExitWithoutSaving1->trigger();
  WaitClosed();
  EXPECT_EQ(Slide().ImageLeft, 100);
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(Arrange, ABlankSlideWithoutCaptionLeftAloneIsNotModified) {
  Open(test::BlankSlide(0x00FF00));
  EXPECT_EQ(ImageWindow(), nullptr);
  EXPECT_EQ(CaptionWindow(), nullptr);
  EXPECT_FALSE(Stage().SaveOnClose);
  ExitAndSave();
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(Arrange, ANewBackgroundColourIsStoredAndShownInThePanel) {
  Open(test::BlankSlide(0x00FF00));
  fakes.dialogs.colorResults.push_back(QColor(0, 0, 255));
  Stage().Changebackgroundcolor1Click();
  EXPECT_TRUE(Stage().SaveOnClose);
  ExitAndSave();
  EXPECT_EQ(Slide().BackgroundColor, 0xFF0000u);
  EXPECT_EQ(form.lbBackground->color(), QColor(0, 0, 255));
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(Arrange, TheSameColourOrACancelledDialogChangesNothing) {
  Open(test::BlankSlide(0x00FF00));
  fakes.dialogs.colorResults.push_back(QColor(0, 255, 0));
  Stage().Changebackgroundcolor1Click();
  Stage().Changebackgroundcolor1Click();  // cancelled
  EXPECT_FALSE(Stage().SaveOnClose);
  ExitAndSave();
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(Arrange, AddingACaptionOpensItsWindowAndSavesIt) {
  // A caption that is switched off: its old lines are not what the editor starts with.
  SlideRecord s = test::BlankSlide(0x00FF00);
  s.Caption = {"old"};
  s.CaptionWidth = 300;
  Open(s);
  emit Stage().PopupMenu1->aboutToShow();
  EXPECT_TRUE(Stage().AddaCaption1->isEnabled());
  QString startedWith = "?";
  test::WhenModal<TSlideCaptionForm>([&startedWith](TSlideCaptionForm& e) {
    startedWith = e.Memo1->toPlainText();
    QTest::keyClicks(e.Memo1, "A new caption");
    e.BitBtn1->click();
  });
  Stage().AddaCaption1Click();
  EXPECT_EQ(startedWith, "");
  ASSERT_NE(CaptionWindow(), nullptr);
  EXPECT_TRUE(Stage().HasCaption);
  EXPECT_EQ(CaptionWindow()->ClientWidth(), 300);
  emit Stage().PopupMenu1->aboutToShow();
  EXPECT_FALSE(Stage().AddaCaption1->isEnabled());
  CaptionWindow()->move(40, 500);
  ExitAndSave();
  EXPECT_EQ(Slide().ShowCaption, 1);
  EXPECT_EQ(Slide().Caption, std::vector<std::string>{"A new caption"});
  EXPECT_EQ(Slide().CaptionFontName, kDesignerFontName);
  EXPECT_EQ(Slide().CaptionBackColor, 0xFFFFFFu);
  EXPECT_EQ(Slide().CaptionLeft, 40);
  EXPECT_EQ(Slide().CaptionTop, 500);
  const QtTextMeasurer m(CaptionFont(Slide()));
  EXPECT_EQ(Slide().CaptionWidth, std::max(m.TextWidth("WW"), m.TextWidth("A new caption")));
  EXPECT_TRUE(form.Document().Modified());
  EXPECT_TRUE(form.cbxShow_Caption->isChecked()) << "the panel shows the new caption";
}

TEST_F(Arrange, ACancelledCaptionEditorAddsNoCaption) {
  Open(test::BlankSlide(0x00FF00));
  test::WhenModal<TSlideCaptionForm>([](TSlideCaptionForm& e) { e.BitBtn2->click(); });
  Stage().AddaCaption1Click();
  EXPECT_EQ(CaptionWindow(), nullptr);
  EXPECT_FALSE(Stage().HasCaption);
  ExitAndSave();
  EXPECT_EQ(Slide().ShowCaption, 0);
  EXPECT_FALSE(form.Document().Modified());
}

TEST_F(Arrange, TheCaptionWindowsHeightAlwaysFollowsItsText) {
  SlideRecord s = test::BlankSlide(0x00FF00);
  GiveCaption(s, {"one two three four five six seven eight nine ten"});
  Open(s);
  TSlideCaptionPreviewForm& caption = *CaptionWindow();
  EXPECT_EQ(caption.pos(), QPoint(200, 600));
  EXPECT_EQ(caption.ClientWidth(), 150);
  const int lines = static_cast<int>(caption.WrappedLines.size());
  EXPECT_GT(lines, 1);
  EXPECT_EQ(caption.ClientHeight(), lines * CaptionLineHeight());

  caption.SetClientHeight(400);
  EXPECT_EQ(caption.ClientHeight(), lines * CaptionLineHeight()) << "snaps back to the text";
  caption.HandleKey(Qt::Key_Up, Qt::ShiftModifier);
  caption.HandleKey(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(caption.ClientHeight(), lines * CaptionLineHeight());
  caption.HandleKey(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(caption.ClientWidth(), 151);

  // Narrower than "WW": back to the width of "WW".
  caption.SetClientWidth(3);
  const QtTextMeasurer m(CaptionFont(Slide()));
  EXPECT_EQ(caption.ClientWidth(), m.TextWidth("WW"));
  EXPECT_GT(static_cast<int>(caption.WrappedLines.size()), lines);
  EXPECT_EQ(caption.ClientHeight(),
            static_cast<int>(caption.WrappedLines.size()) * CaptionLineHeight());
}

TEST_F(Arrange, AnEmptyCaptionIsOneLineHigh) {
  SlideRecord s = test::BlankSlide(0x00FF00);
  GiveCaption(s, {});
  Open(s);
  EXPECT_EQ(CaptionWindow()->WrappedLines.size(), 1u);
  EXPECT_EQ(CaptionWindow()->ClientHeight(), CaptionLineHeight());
}

TEST_F(Arrange, EditingTheCaptionRefitsTheWindow) {
  SlideRecord s = test::BlankSlide(0x00FF00);
  GiveCaption(s, {"one"});
  Open(s);
  EXPECT_EQ(CaptionWindow()->ClientHeight(), CaptionLineHeight());
  test::WhenModal<TSlideCaptionForm>([](TSlideCaptionForm& e) {
    QTest::keyClick(e.Memo1, Qt::Key_Return);
    QTest::keyClicks(e.Memo1, "two");
    e.BitBtn1->click();
  });
  CaptionWindow()->EdittheCaption1Click();
  EXPECT_EQ(CaptionWindow()->ClientHeight(), 2 * CaptionLineHeight());
  ExitAndSave();
  EXPECT_EQ(Slide().Caption.size(), 2u);
}

TEST_F(Arrange, MatchBackgroundGivesTheCaptionTheStagesColour) {
  SlideRecord s = test::BlankSlide(0x00FF00);
  GiveCaption(s, {"Hello"});
  Open(s);
  fakes.dialogs.colorResults.push_back(QColor(0, 0, 128));
  Stage().Changebackgroundcolor1Click();
  CaptionWindow()->MatchBackground1Click();
  EXPECT_EQ(Stage().CaptionBack, 0x800000u);
  ExitAndSave();
  EXPECT_EQ(Slide().CaptionBackColor, 0x800000u);
  EXPECT_EQ(Slide().BackgroundColor, 0x800000u);
}

TEST_F(Arrange, ShiftF10OpensEachWindowsMenuAtItsCorner) {
  SlideRecord s = PictureSlide();
  GiveCaption(s, {"Hello"});
  Open(s);
  for (TPreviewForm* window :
       {static_cast<TPreviewForm*>(ImageWindow()), static_cast<TPreviewForm*>(CaptionWindow())}) {
    window->HandleKey(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window->PopupMenu1->isVisible());
    EXPECT_EQ(window->PopupMenu1->pos(), window->pos() + QPoint(10, 10));
    EXPECT_EQ(window->PopupMenu1->actions().last()->text(), "Exit &Without Saving");
    window->PopupMenu1->close();
    window->HandleKey(Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(window->PopupMenu1->isVisible()) << "Shift alone";
  }
  EXPECT_EQ(ImageWindow()->PopupMenu1->actions().size(), 7);
  EXPECT_EQ(CaptionWindow()->PopupMenu1->actions().size(), 5);
}

TEST_F(Arrange, F6SwitchesTheActiveFrameBetweenTheWindows) {
  SlideRecord s = PictureSlide();
  GiveCaption(s, {"Hello"});
  Open(s);
  // The caption window opens last and so is the active one.
  EXPECT_TRUE(CaptionWindow()->FrameActive());
  EXPECT_FALSE(ImageWindow()->FrameActive());
  CaptionWindow()->HandleKey(Qt::Key_F6, Qt::NoModifier);
  EXPECT_TRUE(ImageWindow()->FrameActive());
  EXPECT_FALSE(CaptionWindow()->FrameActive());
  ImageWindow()->HandleKey(Qt::Key_F6, Qt::NoModifier);
  EXPECT_TRUE(CaptionWindow()->FrameActive());
}

TEST_F(Arrange, F6OnTheStageOfABlankSlideFocusesTheCaptionWindow) {
  SlideRecord s = test::BlankSlide(0x00FF00);
  GiveCaption(s, {"Hello"});
  Open(s);
  ASSERT_EQ(ImageWindow(), nullptr);
  Stage().PlacementActivated(nullptr);
  ASSERT_FALSE(CaptionWindow()->FrameActive());
  Stage().FormKeyDown(Qt::Key_F6, Qt::NoModifier);
  EXPECT_TRUE(CaptionWindow()->FrameActive());
}

TEST_F(Arrange, ARightClickAnywhereInAPlacementWindowOpensItsMenuThere) {
  SlideRecord s = PictureSlide();
  GiveCaption(s, {"Hello"});
  Open(s);
  // Inside the picture, and on the frame.
  for (const QPoint at : {QPoint(60, 40), QPoint(1, 100)}) {
    TSlidePreviewForm& image = *ImageWindow();
    QTest::mouseClick(&image, Qt::RightButton, Qt::NoModifier, at);
    ASSERT_TRUE(image.PopupMenu1->isVisible());
    EXPECT_EQ(image.PopupMenu1->pos(), image.mapToGlobal(at));
    image.PopupMenu1->close();
  }
  TSlideCaptionPreviewForm& caption = *CaptionWindow();
  QTest::mouseClick(&caption, Qt::RightButton, Qt::NoModifier, QPoint(20, 8));
  ASSERT_TRUE(caption.PopupMenu1->isVisible());
  EXPECT_EQ(caption.PopupMenu1->pos(), caption.mapToGlobal(QPoint(20, 8)));
  caption.PopupMenu1->close();
}

TEST_F(Arrange, AnUnreadablePictureOpensAnEmptyWindowAndSaysWhy) {
  SlideRecord s = PictureSlide();
  QFile bad(dir.filePath("pic.bmp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
  bad.write("not a picture at all");
  bad.close();
  Open(s);
  EXPECT_EQ(fakes.prompts.beeps, std::vector<BeepKind>{BeepKind::Error});
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].icon, PromptIcon::Error);
  EXPECT_FALSE(fakes.prompts.asked[0].text.empty());
  ASSERT_NE(ImageWindow(), nullptr);
  EXPECT_TRUE(Stage().LoadedPicture.isNull());
  const QRect before = ImageWindow()->geometry();
  ImageWindow()->RestoreOriginalDimensions1Click();
  ImageWindow()->Restoreproportionalwidth1Click();
  EXPECT_EQ(ImageWindow()->geometry(), before);
  ImageWindow()->HandleKey(Qt::Key_Down, Qt::ControlModifier);
  ExitAndSave();
  EXPECT_EQ(Slide().ImageTop, 51) << "the box is stored all the same";
}

// With the program's own message boxes, which belong to the designer: the load error
// must come up on the stage instead of lifting the designer over it.
TEST(ArrangeMessages, TheLoadErrorIsTheStagesOwnBox) {
  test::FakeServices fakes;
  QtPrompts prompts;
  TSlideshowDesignForm form(DesignerServices{prompts, fakes.dialogs, fakes.screenSize});
  prompts.setParent(&form);
  QTemporaryDir dir;
  QFile bad(dir.filePath("pic.bmp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture at all");
  bad.close();
  test::LoadShow(
      form, {test::PictureSlide("pic.bmp", 60, 45, 0xFF3070C0u, dir.path().toStdString() + "/")});
  test::SelectSlides(form, {0});
  QWidget* owner = nullptr;
  QString text;
  test::WhenModal<QMessageBox>([&](QMessageBox& box) {
    owner = box.parentWidget();
    text = box.text();
    box.button(QMessageBox::Ok)->click();
  });
  form.btnPreviewClick();
  ASSERT_FALSE(form.ArrangementStage.isNull());
  EXPECT_EQ(owner, form.ArrangementStage.data());
  EXPECT_TRUE(text.contains("pic.bmp")) << text.toStdString();
  qobject_cast<TSlidePreviewBackgroundForm*>(form.ArrangementStage.data())
      ->FormKeyDown(Qt::Key_Escape, Qt::NoModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.ArrangementStage.isNull(); }, 2000));
}

TEST_F(Arrange, ClosingAPlacementWindowEndsWithSaving) {
  Open(PictureSlide());
  ImageWindow()->HandleKey(Qt::Key_Down, Qt::ControlModifier);
  ImageWindow()->close();
  WaitClosed();
  EXPECT_EQ(Slide().ImageTop, 51);
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(Arrange, F1OnTheStageAndOnAPlacementWindowOpensTheStagesHelp) {
  Open(PictureSlide());
  for (QWidget* window : {static_cast<QWidget*>(&Stage()), static_cast<QWidget*>(ImageWindow())}) {
    if (HelpViewer* viewer = FindHelpViewer()) viewer->ShowTopic(0);
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_F1);
    ASSERT_NE(FindHelpViewer(), nullptr);
    EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/arrangement.html")
        << window->metaObject()->className();
  }
  EXPECT_TRUE(form.ArrangementStage) << "help leaves the stage open";
  delete FindHelpViewer();
}

TEST_F(Arrange, TheDesignerCannotCloseWhileASlideIsArranged) {
  Open(PictureSlide());
  EXPECT_FALSE(form.close());
  EXPECT_FALSE(form.ArrangementStage.isNull());
}

}  // namespace
}  // namespace lrw
