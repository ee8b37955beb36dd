// The property panel: what each control writes into the selected slides (one undoable
// step each), the caption and sound boxes with their dialogs, the seconds box and the
// arrangement stage opened from the strip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <functional>

#include "designer/ColorSwatch.h"
#include "designer/DesignerFixture.h"
#include "designer/ModalDriver.h"
#include "designer/SlideCaptionForm.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

using test::PictureSlide;

class Panel : public test::DesignerFixture {
 protected:
  void SetUp() override {
    DesignerFixture::SetUp();
    // Played without a sound card; SDL's silent output still paces the play.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  }
  const SlideRecord& Slide(int i) const { return Doc().SlideAt(i); }
};

TEST_F(Panel, EachControlChangesEverySelectedSlideInOneUndoableStep) {
  Open({PictureSlide("a"), PictureSlide("b"), PictureSlide("c"), PictureSlide("d")});
  ClickCell(0);
  ClickCell(2, Qt::ControlModifier);
  ClickCell(3, Qt::ControlModifier);
  auto* seconds = W<QSpinBox>("seAdditional_Time");
  struct Case {
    const char* step;
    std::function<void()> act;
    std::function<int(const SlideRecord&)> field;
    int value;
  };
  const Case cases[] = {
      // The last entry is the last smooth transition, Iris; its slides keep a block effect.
      {"Transition", [&] { QTest::keyClick(W("cbTransition"), Qt::Key_End); },
       [](const SlideRecord& s) { return static_cast<int>(s.Smooth) * 100 + s.Effect; },
       16 * 100 + 32},
      {"Speed", [&] { QTest::keyClick(W("tbBox_Width"), Qt::Key_End); },
       [](const SlideRecord& s) { return s.BoxWidth; }, 10},
      {"Center Image", [&] { W<QCheckBox>("cbxCenter")->click(); },
       [](const SlideRecord& s) { return s.CenterImage; }, 0},
      {"Background Color",
       [&] {
         fakes.dialogs.colorResults.push_back(QColor(0x10, 0x20, 0x30));
         QTest::mouseClick(W("lbBackground"), Qt::LeftButton);
       },
       [](const SlideRecord& s) { return static_cast<int>(s.BackgroundColor); }, 0x302010},
      {"Duration", [&] { W<QRadioButton>("rbSoundEnded")->click(); },
       [](const SlideRecord& s) { return ToUnderlying(s.DurationMode); },
       ToUnderlying(DurationMode::SoundEnded)},
      // What Enter leaves in the box is what is stored: 150 shows as 120.
      {"Seconds",
       [&] {
         seconds->setFocus();
         seconds->selectAll();
         QTest::keyClicks(seconds, "150");
         QTest::keyClick(seconds, Qt::Key_Return);
       },
       [](const SlideRecord& s) { return s.ExtraSeconds; }, 120},
  };
  const std::vector<SlideRecord> opened = Doc().Slides();
  for (const Case& c : cases) {
    c.act();
    for (int i : {0, 2, 3}) EXPECT_EQ(c.field(Slide(i)), c.value) << c.step << " " << i;
    EXPECT_EQ(c.field(Slide(1)), c.field(opened[1])) << c.step;
    EXPECT_EQ(Action("Undo1")->text(), QStringLiteral("&Undo ") + c.step);
  }
  EXPECT_EQ(seconds->text(), "120");
  // Negative seconds become 0 when the box loses the focus; letters are refused.
  seconds->selectAll();
  QTest::keyClicks(seconds, "-7x");
  EXPECT_EQ(fakes.prompts.beeps.size(), 1u);
  W("cbTransition")->setFocus();
  EXPECT_EQ(Slide(0).ExtraSeconds, 0);
  EXPECT_EQ(seconds->text(), "0");
  W<QRadioButton>("rbEnterPressed")->click();
  EXPECT_FALSE(seconds->isEnabled()) << "every selected slide waits for Enter";
}

// Typed seconds, then the show's Undo and Redo from the menu and from the keys in the
// panel's controls: the focused box always shows what the slide holds.
TEST_F(Panel, UndoAndRedoShowTheSlidesSecondsAlsoInTheFocusedBox) {
  SlideRecord a = PictureSlide("a");
  a.ExtraSeconds = 5;
  Open({a});
  ClickCell(0);
  auto* seconds = W<QSpinBox>("seAdditional_Time");
  seconds->setFocus();
  seconds->selectAll();
  QTest::keyClicks(seconds, "12");
  const auto key = [](QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    return [=] { QTest::keyClick(w, k, m); };
  };
  const std::pair<std::function<void()>, int> steps[] = {
      {[&] {  // Alt+E U: Edit > Undo from the keyboard
         QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_U);
       },
       5},
      {[&] { Action("Redo1")->trigger(); }, 12},
      {key(seconds, Qt::Key_Z), 5},
      {key(seconds, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), 12},
      {key(seconds, Qt::Key_Z), 5},
      {key(seconds, Qt::Key_Y), 12},
      {key(W("cbTransition"), Qt::Key_Z), 5},
      {key(seconds, Qt::Key_Return, Qt::NoModifier), 5}};
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].first();
    EXPECT_EQ(Slide(0).ExtraSeconds, steps[i].second) << i;
    EXPECT_EQ(seconds->text(), QString::number(steps[i].second)) << i;
  }
  EXPECT_FALSE(Doc().Modified()) << "Enter stored only what the box showed";
}

TEST_F(Panel, TickingShowOpensTheCaptionEditorAndAFirstCaptionGetsTheWidthOfItsText) {
  Open({PictureSlide("a")});
  ClickCell(0);
  auto* show = W<QCheckBox>("cbxShow_Caption");
  test::WhenModal<SlideCaptionForm>([](SlideCaptionForm& e) { e.CancelButton()->click(); });
  show->click();
  EXPECT_FALSE(show->isChecked());
  EXPECT_FALSE(W("btnEdit_Caption")->isEnabled());
  EXPECT_FALSE(Doc().Modified());

  test::WhenModal<SlideCaptionForm>([](SlideCaptionForm& e) {
    QTest::keyClicks(e.TextEdit(), "Hi");
    e.OkButton()->click();
  });
  show->click();
  EXPECT_TRUE(show->isChecked());
  EXPECT_TRUE(W("btnEdit_Caption")->isEnabled());
  EXPECT_EQ(Slide(0).Caption, std::vector<std::string>{"Hi"});
  const QFontMetrics m(QFontFromCaptionFont(CaptionFontRecord::Of(Slide(0))));
  EXPECT_EQ(Slide(0).CaptionWidth, std::max(m.horizontalAdvance("Hi"), m.horizontalAdvance("WW")));
  EXPECT_EQ(Action("Undo1")->text(), "&Undo Show Caption");
}

TEST_F(Panel, ASoundIsChosenWhenPlayASoundIsTickedAndOnlyItsFirstFiveSecondsPlay) {
  Open({PictureSlide("a")});
  ClickCell(0);
  auto* play = W<QCheckBox>("cbxPlay_Sound");
  play->click();  // the dialog is cancelled
  ASSERT_EQ(fakes.dialogs.openFileRequests.size(), 2u);
  const FileDialogOptions& o = fakes.dialogs.openFileRequests[1];
  EXPECT_EQ(o.title, "Brightframework - Select a Sound File");
  EXPECT_EQ(o.filter.section(QLatin1Char('|'), 0, 2), "Sound files (*.wav)|*.wav|All sound files")
      << "the wave filter first";
  EXPECT_FALSE(play->isChecked());
  EXPECT_FALSE(Doc().Modified());

  // SDL's disk output writes what is played to a file, at the pace of real time.
  constexpr int kRate = 8000;
  ASSERT_TRUE(test::WriteTestWave(Path("long.wav"), 12.0, kRate));
  const QByteArray oldDriver = qgetenv("SDL_AUDIODRIVER");
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QByteArray::fromStdString(Path("played.raw")));
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(Path("long.wav")));
  play->click();
  qputenv("SDL_AUDIODRIVER", oldDriver);
  qunsetenv("SDL_DISKAUDIOFILE");
  EXPECT_TRUE(play->isChecked());
  EXPECT_EQ(Slide(0).SoundName, "long.wav");
  EXPECT_EQ(W<QLabel>("lblSound_File_Name")->text(), "long.wav");
  EXPECT_TRUE(W("btnPlay_Sound")->isEnabled() && W("btnChange_Sound")->isEnabled());
  EXPECT_TRUE(fakes.prompts.asked.empty());

  QFile played(QString::fromStdString(Path("played.raw")));
  ASSERT_TRUE(played.open(QIODevice::ReadOnly));
  const QByteArray bytes = played.readAll();
  const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
  qsizetype sounding = bytes.size() / 2;
  while (sounding > 0 && samples[sounding - 1] == 0) --sounding;
  // Five seconds, not twelve, give or take one device buffer of 2048 frames.
  EXPECT_NEAR(sounding, 5 * kRate, 2048);
}

// The entry of a placement window's menu with that text.
QAction* StageEntry(const QString& text) {
  for (QWidget* w : QApplication::topLevelWidgets())
    for (QAction* a : w->findChildren<QAction*>())
      if (a->text() == text) return a;
  return nullptr;
}

TEST_F(Panel, CentringOnTheStageChangesOnlyTheArrangedSlide) {
  SlideRecord s = PictureSlide("a");
  s.CenterImage = 0;
  s.ImageLeft = 5;
  s.ImageTop = 6;
  s.ImageWidth = 641;
  s.ImageHeight = 480;
  Open({s, s});
  const SlideRecord before = Slide(0);
  ClickCell(1);
  QTest::mouseDClick(Strip()->viewport(), Qt::LeftButton, {},
                     Strip()->visualRect(Strip()->model()->index(1, 0)).center());
  ASSERT_TRUE(form.Stage());
  ASSERT_EQ(form.Editor().StageSlide(), Doc().IdAt(1));
  // As the strip once allowed: another slide selected beside the arranged one.
  form.Editor().Select({0, 1}, 1);
  ASSERT_NE(StageEntry(QStringLiteral("&Center the Image")), nullptr);
  StageEntry(QStringLiteral("&Center the Image"))->trigger();
  StageEntry(QStringLiteral("Exit and &Save"))->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Stage(); }));
  EXPECT_EQ(Slide(1).CenterImage, 1);
  EXPECT_EQ(Slide(1).ImageLeft, (1024 - Slide(1).ImageWidth) / 2);
  EXPECT_EQ(Slide(1).ImageTop, (768 - Slide(1).ImageHeight) / 2);
  EXPECT_EQ(Slide(0).ToBytes(), before.ToBytes());
}

}  // namespace
}  // namespace lrw
