// The arrangement stage on a real slide with real picture files, driven by key and
// mouse events through its own window, with a host that stands where the designer
// stands: what the forms show, how they move and size, and what the stage hands back.
//
// LRW_STAGE_X_KEYS=1 (on an X display, with xdotool) sends the keys of the kept-slide
// test through the X server, so that a window manager sees them as a user's keys.
// LRW_EXPECT_DEVICE_PIXEL_RATIO checks that a high-density run really is one.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <fstream>
#include <functional>

#include "arrange/ArrangementHost.h"
#include "arrange/ArrangementWriteBack.h"
#include "arrange/SlidePreviewBackgroundForm.h"
#include "designer/ModalDriver.h"
#include "import/LoadPicture.h"
#include "import/MetafileWriters.h"
#include "platform/HelpViewer.h"
#include "platform/QtPrompts.h"
#include "player/CaptionFont.h"
#include "player/MotionLayer.h"
#include "support/FakePrompts.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

constexpr int kFrame = PreviewForm::kFrameWidth;
using CaptionEdit = std::function<void(std::vector<std::string>&, CaptionFontRecord&, uint32_t&)>;

// The stage's whole world: one slide of a show (gone once `slide` is empty), the real
// picture loader, scripted dialogs, and every slide the stage handed back.
class TestHost : public ArrangementHost {
 public:
  std::optional<SlideRecord> slide;
  LoadPictureModule loader;
  test::FakePrompts fakePrompts;
  Prompts* prompts = &fakePrompts;
  std::deque<uint32_t> colours;   // the colour dialog's answers; none left: cancelled
  std::deque<CaptionEdit> edits;  // the caption editor's; none left: cancelled
  std::vector<std::vector<std::string>> editorStartedWith;
  std::vector<std::optional<SlideRecord>> finished;

  const SlideRecord* ArrangedSlide() const override { return slide ? &*slide : nullptr; }
  size_t ArrangedSlideIndex() const override { return 0; }
  QSize ScreenSize() const override { return QGuiApplication::primaryScreen()->size(); }
  uint32_t ChangeBackground(uint32_t color, QWidget*) override {
    if (colours.empty()) return color;
    const uint32_t c = colours.front();
    colours.pop_front();
    return c;
  }
  bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font, uint32_t& back,
                   QWidget*) override {
    editorStartedWith.push_back(lines);
    if (edits.empty()) return false;
    edits.front()(lines, font, back);
    edits.pop_front();
    return true;
  }
  CaptionFontRecord DesignerFont() const override {
    return {"DejaVu Sans", 9, FontStyle::Bold, 0x0000FF};
  }
  LoadPictureModule& PictureLoader() override { return loader; }
  Prompts& UserPrompts() override { return *prompts; }
  void ArrangementFinished(std::optional<SlideRecord> arranged) override {
    finished.push_back(arranged);
    if (arranged && slide) slide = *arranged;
  }
};

class ArrangeStage : public ::testing::Test {
 public:
  TestHost host;
  QTemporaryDir dir;
  QPointer<SlidePreviewBackgroundForm> stage;

  void TearDown() override { delete stage.data(); }

  QSize Screen() const { return host.ScreenSize(); }
  // A picture slide on a real w x h picture file, its box at (100, 50) 320 x 240.
  SlideRecord PictureSlide(int w = 640, int h = 480) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 90));
    EXPECT_TRUE(picture.save(dir.filePath("pic.bmp"), "BMP"));
    return test::SlideBuilder(FirstSlideDefaults())
        .Picture(dir.path().toStdString() + "/pic.bmp", 320, 240)
        .Place(100, 50)
        .Centered(false)
        .Background(0x203040)
        .Effect(7, 2)
        .Build();
  }
  static SlideRecord BlankSlide() {
    return test::SlideBuilder(FirstSlideDefaults()).Background(0x00FF00).Build();
  }
  // A caption at (60, 70) whose stored width is what the stage stores for it.
  static void GiveCaption(SlideRecord& s, std::vector<std::string> lines) {
    s.ShowCaption = 1;
    s.Caption = std::move(lines);
    s.CaptionFontName = "DejaVu Sans";
    s.CaptionFontSize = 12;
    s.CaptionFontColor = 0x000000;
    s.CaptionBackColor = 0xFFFFFF;
    s.CaptionLeft = 60;
    s.CaptionTop = 70;
    s.CaptionWidth = static_cast<int16_t>(
        ArrangedCaptionWidth(s.Caption, QtTextMeasurer(CaptionFont(s)), 32767));
  }

  // `active`: the stage is the active window (no message box came up over it).
  void Open(const SlideRecord& s, bool active = true) {
    host.slide = s;
    host.finished.clear();
    stage = OpenArrangementStage(host);
    ASSERT_FALSE(stage.isNull());
    // A Wayland client cannot ask for the activation.
    if (!active || QGuiApplication::platformName() == "wayland")
      ASSERT_TRUE(QTest::qWaitForWindowExposed(stage.data()));
    else
      ASSERT_TRUE(QTest::qWaitForWindowActive(stage.data()));
  }
  SlidePreviewForm* Image() { return stage->PictureForm(); }
  SlideCaptionPreviewForm* Caption() { return stage->CaptionForm(); }
  QWindow* Window() { return stage->windowHandle(); }
  // A key as the window system delivers it: to the stage window's focus.
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Window(), static_cast<Qt::Key>(key), mods);
  }
  // A mouse drag by `delta` from `at` in `form`, through the stage window.
  void Drag(QWidget* form, QPoint at, QPoint delta) {
    const QPoint from = form->mapTo(stage.data(), at);
    QTest::mousePress(Window(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Window(), from + delta);
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, from + delta);
  }
  // Waits for the stage to go and returns what it handed back (once).
  std::optional<SlideRecord> Closed() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return stage.isNull(); }, 3000));
    EXPECT_EQ(host.finished.size(), 1u);
    return host.finished.empty() ? std::nullopt : host.finished.back();
  }
  // The popup menu item of `owner` (the stage or a form) by its objectName.
  static QAction* Item(QWidget* owner, const char* name) {
    QMenu* menu = owner->findChild<QMenu*>("PopupMenu1", Qt::FindDirectChildrenOnly);
    QAction* item = menu ? menu->findChild<QAction*>(name, Qt::FindDirectChildrenOnly) : nullptr;
    EXPECT_NE(item, nullptr) << name;
    return item;
  }
  std::optional<SlideRecord> ExitAndSave() {
    Item(stage.data(), "ExitandSave1")->trigger();
    return Closed();
  }

  static bool XKeys() { return qgetenv("LRW_STAGE_X_KEYS") == "1"; }
  // Keys through the X server, where a window manager sees them first, or through Qt.
  void UserKeys(const char* xdotoolKeys, int key, Qt::KeyboardModifiers mods) {
    if (XKeys())
      ASSERT_EQ(QProcess::execute("xdotool", {"key", xdotoolKeys}), 0);
    else
      Key(key, mods);
  }
};

TEST_F(ArrangeStage, KeptUntouchedTheSlideKeepsItsBytesAndCtrlRightMovesTheCaption) {
  const QSize screen = Screen();
  const auto centred = [&](SlideRecord s, int w, int h) {
    s.CenterImage = 1;
    s.ImageWidth = static_cast<int16_t>(w);
    s.ImageHeight = static_cast<int16_t>(h);
    s.ImageLeft = static_cast<int16_t>((screen.width() - w) / 2);
    s.ImageTop = static_cast<int16_t>((screen.height() - h) / 2);
    return s;
  };
  SlideRecord larger = PictureSlide();
  larger.ImageLeft = -40;
  larger.ImageTop = -30;
  larger.ImageWidth = static_cast<int16_t>(screen.width() + 80);
  larger.ImageHeight = static_cast<int16_t>(screen.height() + 60);
  const std::vector<SlideRecord> slides = {
      larger, centred(PictureSlide(), 320, 240),
      centred(PictureSlide(), screen.width() + 100, screen.height() + 50)};
  for (SlideRecord slide : slides) {
    GiveCaption(slide, {"Hello\xB6", "World"});
    for (const int moves : {0, 5}) {
      SCOPED_TRACE(testing::Message()
                   << slide.ImageWidth << " x " << slide.ImageHeight << ", Ctrl+Right " << moves);
      Open(slide);
      ASSERT_TRUE(Caption()->hasFocus() || !stage->isActiveWindow());
      for (int i = 0; i < moves; ++i) UserKeys("ctrl+Right", Qt::Key_Right, Qt::ControlModifier);
      (void)QTest::qWaitFor([&] { return Caption()->x() == slide.CaptionLeft + moves; }, 2000);
      UserKeys("alt+F4", Qt::Key_F4, Qt::AltModifier);
      const std::optional<SlideRecord> kept = Closed();
      ASSERT_TRUE(kept.has_value());
      SlideRecord expected = slide;
      expected.CaptionLeft = static_cast<int16_t>(slide.CaptionLeft + moves);
      EXPECT_EQ(kept->ToBytes(), expected.ToBytes());
      EXPECT_EQ(kept->Caption, expected.Caption);
    }
  }
}

TEST_F(ArrangeStage, ThePictureFormsClientAreaIsTheStoredBoxAndFollowsKeysAndMouse) {
  Open(PictureSlide());
  EXPECT_TRUE(stage->isFullScreen());
  EXPECT_EQ(stage->WindowColor(), 0x203040u);
  ASSERT_NE(Image(), nullptr);
  EXPECT_EQ(Caption(), nullptr);
  EXPECT_EQ(Image()->parentWidget(), stage.data()) << "inside the stage, not a window";
  EXPECT_FALSE(Image()->isWindow());
  EXPECT_EQ(Image()->geometry(),
            QRect(100 - kFrame, 50 - kFrame, 320 + 2 * kFrame, 240 + 2 * kFrame));
  EXPECT_EQ(stage->PictureSize(), QSize(640, 480));
  EXPECT_TRUE(Image()->hasFocus() || !stage->isActiveWindow());

  Key(Qt::Key_Right, Qt::ControlModifier);              // moves by 1
  Key(Qt::Key_Down, Qt::ShiftModifier);                 // 1 taller
  Key(Qt::Key_Left, Qt::ShiftModifier);                 // 1 narrower
  Drag(Image(), {50, 50}, {30, 20});                    // dragged from inside
  Drag(Image(), {Image()->width() - 2, 100}, {15, 0});  // the right border
  Drag(Image(), {100, 1}, {0, -4});                     // the top border
  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->ImageLeft, 131);
  EXPECT_EQ(s->ImageTop, 66);
  EXPECT_EQ(s->ImageWidth, 334);
  EXPECT_EQ(s->ImageHeight, 245);
  EXPECT_EQ(s->CenterImage, 0);
  EXPECT_EQ(s->Effect, 7) << "nothing else changes";
}

TEST_F(ArrangeStage, CentringSurvivesResizingButNotMoving) {
  Open(PictureSlide());
  const QSize screen = Screen();
  SlidePreviewForm& image = *Image();
  Item(&image, "CentertheImage1")->trigger();
  EXPECT_TRUE(stage->Centered());
  EXPECT_EQ(image.pos(), QPoint((screen.width() - 330) / 2, (screen.height() - 250) / 2));
  Key(Qt::Key_Right, Qt::ShiftModifier);  // one wider: centred again
  EXPECT_TRUE(stage->Centered());
  EXPECT_EQ(image.x(), static_cast<int>((screen.width() - 331) * 0.5));
  Item(&image, "Restoreproportionalwidth1")->trigger();
  EXPECT_EQ(image.ClientWidth(), 320);  // 240 * 640 / 480
  Item(&image, "RestoreOriginalDimensions1")->trigger();
  EXPECT_EQ(image.size(), QSize(640, 480));
  EXPECT_TRUE(stage->Centered());
  const QPoint centre = image.pos();
  std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->CenterImage, 1);
  EXPECT_EQ(s->ImageLeft, centre.x() + kFrame);
  EXPECT_EQ(s->ImageWidth, 640 - 2 * kFrame);

  // Moving a centred picture ends the centring.
  Open(*host.slide);
  EXPECT_TRUE(stage->Centered());
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_FALSE(stage->Centered());
  s = ExitAndSave();
  EXPECT_EQ(s->CenterImage, 0);
  EXPECT_EQ(s->ImageLeft, centre.x() + kFrame - 1);
}

// Every way out hands back exactly once: the slide as it is now with the arrangement,
// or nothing.
TEST_F(ArrangeStage, EveryWayOutTellsTheHostOnce) {
  struct Way {
    const char* name;
    std::function<void(ArrangeStage&)> leave;
    bool stored;
  };
  const std::vector<Way> ways = {
      {"Esc", [](ArrangeStage& t) { t.Key(Qt::Key_Escape); }, false},
      {"stage: Exit Without Saving",
       [](ArrangeStage& t) { t.Item(t.stage.data(), "ExitWithoutSaving1")->trigger(); }, false},
      {"picture: Exit Without Saving",
       [](ArrangeStage& t) { t.Item(t.Image(), "ExitWithoutSaving1")->trigger(); }, false},
      {"caption: Exit and Save",
       [](ArrangeStage& t) { t.Item(t.Caption(), "ExitandSave1")->trigger(); }, true},
      {"picture form closed", [](ArrangeStage& t) { t.Image()->close(); }, true},
      {"stage window closed", [](ArrangeStage& t) { t.stage->close(); }, true},
      {"stage destroyed", [](ArrangeStage& t) { delete t.stage.data(); }, false},
  };
  SlideRecord slide = PictureSlide();
  GiveCaption(slide, {"Hello"});
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Open(slide);
    // The show changed the slide meanwhile; the stage's changes go on top.
    host.slide->Effect = 12;
    stage->SetWindowColor(0x0000FF);
    Key(Qt::Key_Down, Qt::ControlModifier);
    way.leave(*this);
    const std::optional<SlideRecord> s = Closed();
    ASSERT_EQ(s.has_value(), way.stored);
    if (!s) continue;
    EXPECT_EQ(s->Effect, 12);
    EXPECT_EQ(s->BackgroundColor, 0x0000FFu);
    EXPECT_EQ(s->CaptionTop, slide.CaptionTop + 1) << "the caption form had the keys";
  }

  // A slide gone meanwhile gets nothing; a slide gone before opening opens no stage.
  Open(slide);
  host.slide.reset();
  EXPECT_FALSE(ExitAndSave().has_value());
  host.finished.clear();
  EXPECT_EQ(OpenArrangementStage(host), nullptr);
  EXPECT_EQ(host.finished, std::vector<std::optional<SlideRecord>>{std::nullopt});
}

TEST_F(ArrangeStage, WhatIsWrittenForColoursAndBlankSlides) {
  // A blank slide without a caption left alone: nothing to write.
  Open(BlankSlide());
  EXPECT_EQ(Image(), nullptr);
  EXPECT_FALSE(stage->SaveOnClose());
  EXPECT_FALSE(ExitAndSave().has_value());

  // The same colour again or a cancelled dialog changes nothing either.
  Open(BlankSlide());
  host.colours = {0x00FF00};
  Item(stage.data(), "Changebackgroundcolor1")->trigger();
  Item(stage.data(), "Changebackgroundcolor1")->trigger();
  EXPECT_FALSE(stage->SaveOnClose());
  EXPECT_FALSE(ExitAndSave().has_value());

  // A new colour is stored.
  Open(BlankSlide());
  host.colours = {0xFF0000};
  Item(stage.data(), "Changebackgroundcolor1")->trigger();
  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->BackgroundColor, 0xFF0000u);
}

TEST_F(ArrangeStage, AddingACaptionStartsEmptyInTheDesignersFontAndStoresWhereItWasDragged) {
  // A caption that is switched off: its old lines are not what the editor starts with.
  SlideRecord slide = BlankSlide();
  slide.Caption = {"old"};
  slide.CaptionWidth = 300;
  slide.CaptionLeft = 20;
  slide.CaptionTop = 30;
  Open(slide);
  emit stage->Menu()->aboutToShow();
  EXPECT_TRUE(Item(stage.data(), "AddaCaption1")->isEnabled());
  Item(stage.data(), "AddaCaption1")->trigger();  // cancelled
  EXPECT_EQ(Caption(), nullptr);
  host.edits = {[](auto& lines, auto&, auto&) { lines = {"A new caption"}; }};
  Item(stage.data(), "AddaCaption1")->trigger();
  ASSERT_EQ(host.editorStartedWith.size(), 2u);
  EXPECT_TRUE(host.editorStartedWith[1].empty());
  ASSERT_NE(Caption(), nullptr);
  EXPECT_EQ(Caption()->pos(), QPoint(20, 30));
  EXPECT_EQ(Caption()->ClientWidth(), 300);
  emit stage->Menu()->aboutToShow();
  EXPECT_FALSE(Item(stage.data(), "AddaCaption1")->isEnabled());
  Drag(Caption(), {20, 8}, {20, 470});
  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->ShowCaption, 1);
  EXPECT_EQ(s->Caption, std::vector<std::string>{"A new caption"});
  EXPECT_EQ(CaptionFontRecord::Of(*s), host.DesignerFont());
  EXPECT_EQ(s->CaptionBackColor, 0xFFFFFFu);
  EXPECT_EQ(s->CaptionLeft, 40);
  EXPECT_EQ(s->CaptionTop, 500);
  const QtTextMeasurer m(CaptionFont(*s));
  EXPECT_EQ(s->CaptionWidth, std::max(m.TextWidth("WW"), m.TextWidth("A new caption")));
}

TEST_F(ArrangeStage, TheCaptionFormsHeightFollowsItsText) {
  SlideRecord slide = BlankSlide();
  GiveCaption(slide, {"one two three four five six seven eight nine ten"});
  slide.CaptionWidth = 150;
  Open(slide);
  SlideCaptionPreviewForm& caption = *Caption();
  const int lineHeight = QtTextMeasurer(CaptionFont(slide)).TextHeight();
  const auto lines = [&] { return static_cast<int>(caption.WrappedLines().size()); };
  EXPECT_EQ(caption.pos(), QPoint(60, 70));
  EXPECT_EQ(caption.ClientWidth(), 150);
  const int before = lines();
  EXPECT_GT(before, 1);
  EXPECT_EQ(caption.ClientHeight(), before * lineHeight);

  Drag(&caption, {40, caption.height() - 2}, {0, 200});  // the bottom border
  EXPECT_EQ(caption.ClientHeight(), before * lineHeight) << "snaps back to the text";
  Key(Qt::Key_Up, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(caption.ClientHeight(), before * lineHeight);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(caption.ClientWidth(), 151);
  caption.SetClientWidth(3);  // narrower than "WW": back to its width
  const QtTextMeasurer m(CaptionFont(slide));
  EXPECT_EQ(caption.ClientWidth(), m.TextWidth("WW"));
  EXPECT_GT(lines(), before);
  EXPECT_EQ(caption.ClientHeight(), lines() * lineHeight);

  // Edited to more lines: taller at once. "&Match Background" takes the stage's colour.
  host.edits = {[](auto& text, auto&, auto&) { text = {"one\xB6", "two"}; }};
  caption.SetClientWidth(300);
  Item(&caption, "EdittheCaption1")->trigger();
  EXPECT_EQ(caption.ClientHeight(), 2 * lineHeight);
  host.colours = {0x800000};
  Item(stage.data(), "Changebackgroundcolor1")->trigger();
  Item(&caption, "MatchBackground1")->trigger();
  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->Caption.size(), 2u);
  EXPECT_EQ(s->CaptionBackColor, 0x800000u);
  EXPECT_EQ(s->BackgroundColor, 0x800000u);

  // An empty caption is one line high.
  GiveCaption(slide, {});
  Open(slide);
  EXPECT_EQ(Caption()->WrappedLines().size(), 1u);
  EXPECT_EQ(Caption()->ClientHeight(), lineHeight);
}

TEST_F(ArrangeStage, MenusAndFramesFollowTheKeysAndTheMouse) {
  SlideRecord slide = PictureSlide();
  GiveCaption(slide, {"Hello"});
  Open(slide);
  // The caption form opens last: on top, with the red frame and the keys.
  EXPECT_TRUE(Caption()->FrameActive());
  EXPECT_FALSE(Image()->FrameActive());
  Key(Qt::Key_F6);
  EXPECT_TRUE(Image()->FrameActive());
  EXPECT_FALSE(Caption()->FrameActive());
  Key(Qt::Key_F6);
  EXPECT_TRUE(Caption()->FrameActive());

  for (PreviewForm* form :
       {static_cast<PreviewForm*>(Image()), static_cast<PreviewForm*>(Caption())}) {
    form->Activate();
    Key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(form->Menu()->isVisible());
    EXPECT_EQ(form->Menu()->pos(), form->mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(form->Menu()->actions().last()->text(), "Exit &Without Saving");
    form->Menu()->close();
    Key(Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(form->Menu()->isVisible()) << "Shift alone";
    // A right click anywhere in the form, frame included, opens its menu there.
    for (const QPoint at : {QPoint(20, 8), QPoint(1, 6)}) {
      const QPoint inStage = form->mapTo(stage.data(), at);
      QTest::mouseClick(Window(), Qt::RightButton, {}, inStage);
      ASSERT_TRUE(form->Menu()->isVisible());
      EXPECT_EQ(form->Menu()->pos(), stage->mapToGlobal(inStage));
      EXPECT_FALSE(stage->Menu()->isVisible()) << "only the form's own menu";
      form->Menu()->close();
    }
  }

  // Clicking the stage leaves neither form active; F6 there picks the picture.
  if (stage->isActiveWindow()) {
    QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(Screen().width() - 3, 3));
    EXPECT_FALSE(Image()->FrameActive());
    EXPECT_FALSE(Caption()->FrameActive());
  }
  Key(Qt::Key_F6);
  EXPECT_TRUE(Image()->FrameActive());

  // On a blank slide F6 on the stage picks the caption.
  delete stage.data();
  slide = BlankSlide();
  GiveCaption(slide, {"Hello"});
  Open(slide);
  stage->PlacementActivated(nullptr);
  stage->setFocus();
  Key(Qt::Key_F6);
  EXPECT_TRUE(Caption()->FrameActive());

  // F1 on a form and on the stage: the stage's help, and the stage stays.
  for (QWidget* focus : {static_cast<QWidget*>(Caption()), static_cast<QWidget*>(stage.data())}) {
    focus->setFocus();
    Key(Qt::Key_F1);
    ASSERT_NE(FindHelpViewer(), nullptr) << focus->metaObject()->className();
    EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/arrangement.html");
    delete FindHelpViewer();
  }
  EXPECT_FALSE(stage.isNull());
}

TEST_F(ArrangeStage, AnUnreadablePictureOpensAnEmptyFormAndSaysWhy) {
  SlideRecord slide = PictureSlide();
  std::ofstream(dir.filePath("pic.bmp").toStdString()) << "not a picture at all";
  Open(slide);
  EXPECT_EQ(host.fakePrompts.beeps, std::vector<BeepKind>{BeepKind::Error});
  ASSERT_EQ(host.fakePrompts.asked.size(), 1u);
  EXPECT_EQ(host.fakePrompts.asked[0].icon, PromptIcon::Error);
  EXPECT_NE(host.fakePrompts.asked[0].text.find("pic.bmp"), std::string::npos);
  ASSERT_NE(Image(), nullptr);
  EXPECT_TRUE(stage->LoadedPicture().isNull());
  const QRect before = Image()->geometry();
  Item(Image(), "RestoreOriginalDimensions1")->trigger();
  Item(Image(), "Restoreproportionalwidth1")->trigger();
  EXPECT_EQ(Image()->geometry(), before);
  Key(Qt::Key_Down, Qt::ControlModifier);
  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->ImageTop, 51) << "the box is stored all the same";

  // With the program's own message boxes the error box is the stage's own, so that it
  // comes up on the stage instead of lifting another window over it.
  QtPrompts prompts;
  host.prompts = &prompts;
  QWidget* owner = nullptr;
  test::WhenModal<QMessageBox>([&](QMessageBox& box) {
    owner = box.parentWidget();
    box.button(QMessageBox::Ok)->click();
  });
  Open(slide, false);
  EXPECT_EQ(owner, stage.data());
}

// On a high-density screen the picture is drawn at the screen's own pixels: a picture
// of one-pixel stripes in a box of as many device pixels keeps every stripe.
TEST_F(ArrangeStage, ThePictureIsDrawnAtDevicePixels) {
  const QByteArray expected = qgetenv("LRW_EXPECT_DEVICE_PIXEL_RATIO");
  QImage stripes(480, 240, QImage::Format_RGB32);
  for (int x = 0; x < stripes.width(); ++x)
    for (int y = 0; y < stripes.height(); ++y)
      stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  if (!expected.isEmpty()) {
    ASSERT_EQ(ratio, expected.toDouble());
  }
  SlideRecord slide = PictureSlide(480, 240);
  ASSERT_TRUE(stripes.save(dir.filePath("pic.bmp"), "BMP"));
  slide.ImageWidth = static_cast<int16_t>(480 / ratio);
  slide.ImageHeight = static_cast<int16_t>(240 / ratio);
  Open(slide);
  const QImage shot = Image()->grab().toImage();
  const int offset = static_cast<int>(kFrame * ratio);
  int exact = 0;
  for (int x = 0; x < 480; ++x) {
    const int grey = qGray(shot.pixel(offset + x, offset + 120));
    exact += (x % 2 ? grey > 235 : grey < 20) ? 1 : 0;
  }
  EXPECT_EQ(exact, 480);
}

// A drawing (a GEM metafile, red on the left, blue on the right) is read as the stage
// opens and fills its box: each half where it was drawn, and its own size known.
TEST_F(ArrangeStage, ADrawingShowsInItsBox) {
  test::GemWriter gem(480, 240);
  gem.Call(23, 0, {}, {1}).Call(104, 0, {}, {0});
  gem.Call(25, 0, {}, {2}).Call(11, 1, {{0, 0}, {239, 239}});
  gem.Call(25, 0, {}, {4}).Call(11, 1, {{240, 0}, {479, 239}});
  const std::vector<uint8_t> bytes = gem.Finish();
  std::ofstream(dir.filePath("pic.gem").toStdString(), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  SlideRecord slide = PictureSlide();
  slide.PictureName = "pic.gem";
  Open(slide);
  EXPECT_EQ(stage->PictureSize(), QSize(480, 240));
  const QImage shot = Image()->grab().toImage();
  const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  const int offset = static_cast<int>(kFrame * ratio);
  const auto at = [&](int x, int y) {
    return QColor(
        shot.pixel(offset + static_cast<int>(x * ratio), offset + static_cast<int>(y * ratio)));
  };
  EXPECT_EQ(at(80, 120), QColor(255, 0, 0));
  EXPECT_EQ(at(240, 120), QColor(0, 0, 255));
  EXPECT_TRUE(host.fakePrompts.asked.empty());
}

// A wide picture in a box of half its size, with the zoom-in preset: the boxes show the
// preset's framings over the picture and go with it; keys and drags keep them inside the
// picture, and placing one turns the motion into a custom one with both framings.
TEST_F(ArrangeStage, MotionBoxesStartFromThePresetAndAKeyMovedStartClampsAtThePicture) {
  SlideRecord slide = PictureSlide(1280, 480);
  slide.ImageWidth = 640;
  slide.ImageHeight = 240;
  slide.Motion = {MotionKind::ZoomIn, 60, MotionEase::Linear, {}, {}};
  Open(slide);
  MotionFrameForm* start = stage->MotionForm(MotionEnd::Start);
  MotionFrameForm* end = stage->MotionForm(MotionEnd::End);
  ASSERT_NE(start, nullptr);
  ASSERT_NE(end, nullptr);
  const QSize screen = Screen();
  const MotionRect first = start->Framing();
  // The zoom starts at the largest framing of the screen's shape: the picture's full
  // height, centred; it ends inside it.
  EXPECT_EQ(first.height, 480);
  EXPECT_NEAR(first.width, 480.0 * screen.width() / screen.height(), 1.0);
  EXPECT_NEAR(first.x, (1280 - first.width) / 2.0, 1.0);
  const MotionRect last = end->Framing();
  EXPECT_LT(last.width, first.width);
  EXPECT_GT(last.x, first.x);
  EXPECT_LT(last.x + last.width, first.x + first.width);
  // Drawn over the picture at half size, frame outside.
  EXPECT_EQ(start->geometry(),
            QRect(100 + qRound(first.x * 0.5) - kFrame, 50 - kFrame,
                  qRound((first.x + first.width) * 0.5) - qRound(first.x * 0.5) + 2 * kFrame,
                  240 + 2 * kFrame));
  EXPECT_TRUE(start->accessibleName().startsWith("Motion start, left "))
      << start->accessibleName().toStdString();
  EXPECT_TRUE(end->accessibleName().startsWith("Motion end, left "));

  // The picture form has the keys; moving it takes the boxes along.
  const QPoint before = start->pos();
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(start->pos(), before + QPoint(1, 0));
  // F6 goes on to the start box, which Ctrl+Shift+Left moves to the picture's left edge
  // and no further.
  Key(Qt::Key_F6);
  ASSERT_TRUE(start->FrameActive());
  for (int i = 0; i < 40; ++i) Key(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
  Key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(start->Framing(), (MotionRect{0, 0, first.width, 480}));
  EXPECT_EQ(start->x(), 101 - kFrame);
  // Larger is not possible at the full height; smaller keeps the top left corner.
  Key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(start->Framing().height, 480);
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(start->Framing().x, 0);
  EXPECT_LT(start->Framing().width, first.width);
  // Whole pixels that the motion shows inside the picture may move the top by one.
  EXPECT_LE(start->Framing().y, 1);
  EXPECT_TRUE(start->accessibleName().startsWith(
      QStringLiteral("Motion start, left 0, top %1, ").arg(start->Framing().y)))
      << start->accessibleName().toStdString();
  const MotionRect placed = start->Framing();

  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->Motion.kind, MotionKind::Custom);
  EXPECT_EQ(s->Motion.start, placed);
  EXPECT_EQ(s->Motion.end, last) << "the end as the preset had it";
  EXPECT_EQ(s->Motion.strength, 60);
  EXPECT_EQ(s->Motion.ease, MotionEase::Linear);
  EXPECT_EQ(s->ImageLeft, 101);

  // Left alone, a preset stays a preset; without motion there are no boxes.
  Open(slide);
  EXPECT_EQ(ExitAndSave()->Motion, slide.Motion);
  slide.Motion = {};
  Open(slide);
  EXPECT_EQ(stage->MotionForm(MotionEnd::Start), nullptr);
}

// A picture red on its left half and blue on its right, moving from the one to the other
// over two seconds: F5 plays it over the whole stage, the end holds, and any key or click
// stops it without leaving the stage.
TEST_F(ArrangeStage, ThePreviewPlaysTheMotionOverTheStageAndAnyKeyStopsIt) {
  QImage halves(1280, 480, QImage::Format_RGB32);
  halves.fill(QColor(220, 0, 0));
  for (int y = 0; y < 480; ++y)
    for (int x = 640; x < 1280; ++x) halves.setPixel(x, y, qRgb(0, 0, 220));
  SlideRecord slide = PictureSlide(1280, 480);
  ASSERT_TRUE(halves.save(dir.filePath("pic.bmp"), "BMP"));
  slide.ExtraSeconds = 2;
  slide.Motion = {
      MotionKind::Custom, 50, MotionEase::Linear, {40, 0, 560, 420}, {680, 0, 560, 420}};
  Open(slide);
  ASSERT_NE(stage->MotionForm(MotionEnd::End), nullptr);
  // The frame's left edge: red until nearly the end of the way.
  const auto left = [&] {
    const QImage frame = stage->Preview()->Layer().Frame();
    return QColor(frame.pixel(2, frame.height() / 2));
  };
  Key(Qt::Key_F5);
  ASSERT_NE(stage->Preview(), nullptr);
  ASSERT_TRUE(stage->Preview()->Playing());
  EXPECT_TRUE(stage->Preview()->isVisible());
  EXPECT_EQ(stage->Preview()->geometry(), stage->rect());
  EXPECT_EQ(left(), QColor(220, 0, 0)) << "starts on the left";
  QElapsedTimer clock;
  clock.start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return left() == QColor(0, 0, 220); }, 4000))
      << "moves to the right";
  EXPECT_GT(clock.elapsed(), 1500) << "at the slide's timing";
  EXPECT_TRUE(stage->Preview()->Playing()) << "the end framing holds a moment";
  Key(Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !stage->Preview(); }, 2000));
  ASSERT_FALSE(stage.isNull()) << "Esc stopped the preview, not the arrangement";

  // The stage's menu plays it too; a click stops it.
  Item(stage.data(), "PreviewMotion1")->trigger();
  ASSERT_NE(stage->Preview(), nullptr);
  const QPointer<MotionPreview> clicked = stage->Preview();
  QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_TRUE(!clicked || !clicked->Playing());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !stage->Preview(); }, 2000));
  const std::optional<SlideRecord> s = ExitAndSave();
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->Motion, slide.Motion) << "previewing changes nothing";
}

}  // namespace
}  // namespace lrw
