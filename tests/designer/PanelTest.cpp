// The property panel's handlers: what each control writes into the selected slides,
// and when the show counts as modified.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "designer/ColorSwatch.h"
#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/ModalDriver.h"
#include "designer/SecondsSpinBox.h"
#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"
#include "effects/SlideTransitionForm.h"
#include "player/CaptionFont.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

using test::BlankSlide;
using test::PictureSlide;

class Panel : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  TSlideshowDesignForm form{fakes.services()};
  QTemporaryDir dir;

  SlideRecord& Slide(int i) { return MutableSlide(form.Document(), i); }
  bool Modified() const { return form.Document().Modified(); }
  void Load(std::vector<SlideRecord> slides) { test::LoadShow(form, std::move(slides)); }
  std::string TempPath(const char* name) { return dir.filePath(name).toStdString(); }

  // The user picks an entry of the effect list.
  void ChooseEffect(int index) {
    form.cbTransition->setCurrentIndex(index);
    emit form.cbTransition->activated(index);
  }
  void Click(QAbstractButton* b) {
    ASSERT_TRUE(b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
  }
  void Blur(QWidget* w) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
  }
};

TEST_F(Panel, LoadingTheSelectionNeverSetsModified) {
  SlideRecord a = PictureSlide("a.jpg"), b = PictureSlide("b.jpg");
  b.Effect = 7;
  b.BoxWidth = 9;
  b.ExtraSeconds = 33;
  b.DurationMode = EnterPressed;
  b.CenterImage = 0;
  Load({a, b});
  test::SelectSlides(form, {0, 1});
  test::SelectSlides(form, {1});
  test::SelectSlides(form, {0});
  EXPECT_FALSE(Modified());
  EXPECT_EQ(Slide(0).ToBytes(), a.ToBytes());
  EXPECT_EQ(Slide(1).ToBytes(), b.ToBytes());
}

TEST_F(Panel, TransitionGoesIntoEverySelectedSlide) {
  Load(
      {PictureSlide("a.jpg"), PictureSlide("b.jpg"), PictureSlide("c.jpg"), PictureSlide("d.jpg")});
  test::SelectSlides(form, {0, 2, 3});
  EXPECT_EQ(form.cbTransition->count(), 42);
  EXPECT_EQ(form.cbTransition->itemText(35), "Dissolve");
  ChooseEffect(35);
  EXPECT_EQ(Slide(0).Effect, 35);
  EXPECT_EQ(Slide(1).Effect, 0);
  EXPECT_EQ(Slide(2).Effect, 35);
  EXPECT_EQ(Slide(3).Effect, 35);
  EXPECT_TRUE(Modified());
}

TEST_F(Panel, ChoosingTheEffectTheSlidesAlreadyHaveLeavesTheShowUnmodified) {
  SlideRecord s = PictureSlide("a.jpg");
  s.Effect = 35;
  Load({s, s, s});
  test::SelectSlides(form, {0, 1, 2});
  ChooseEffect(35);
  EXPECT_FALSE(Modified());
  // One slide that differs is enough.
  Slide(1).Effect = 3;
  ChooseEffect(35);
  EXPECT_TRUE(Modified());
  EXPECT_EQ(Slide(1).Effect, 35);
}

TEST_F(Panel, SpeedDraggedAndBackStillMarksTheShowModified) {
  Load({PictureSlide("a.jpg"), PictureSlide("b.jpg")});
  test::SelectSlides(form, {0, 1});
  for (int v = 3; v <= 10; ++v) form.tbBox_Width->setValue(v);
  EXPECT_EQ(Slide(0).BoxWidth, 10);
  EXPECT_EQ(Slide(1).BoxWidth, 10);
  for (int v = 9; v >= 2; --v) form.tbBox_Width->setValue(v);
  EXPECT_EQ(Slide(0).BoxWidth, 2);
  EXPECT_EQ(Slide(1).BoxWidth, 2);
  EXPECT_TRUE(Modified());
}

TEST_F(Panel, CentringTruncatesTowardZero) {
  struct Case {
    int w, h, left, top;
  };
  const Case cases[] = {
      {641, 480, 191, 144},      // 191.5 and 144
      {1025, 768, 0, 0},         // -0.5 becomes 0
      {1257, 1000, -116, -116},  // -116.5 becomes -116
      {1024, 768, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.w);
    SlideRecord s = PictureSlide("a.jpg");
    s.CenterImage = 0;
    s.ImageWidth = static_cast<int16_t>(c.w);
    s.ImageHeight = static_cast<int16_t>(c.h);
    s.ImageLeft = 5;
    s.ImageTop = 6;
    Load({s});
    test::SelectSlides(form, {0});
    Click(form.cbxCenter);
    EXPECT_EQ(Slide(0).CenterImage, 1);
    EXPECT_EQ(Slide(0).ImageLeft, c.left);
    EXPECT_EQ(Slide(0).ImageTop, c.top);
    EXPECT_TRUE(Modified());
  }
}

TEST_F(Panel, AClickOnTheGrayedCentreBoxCentresAllAndUncheckingKeepsThePlace) {
  SlideRecord a = PictureSlide("a.jpg"), b = PictureSlide("b.jpg");
  a.CenterImage = 0;
  a.ImageWidth = 641;
  a.ImageHeight = 480;
  b.CenterImage = 1;
  Load({a, b});
  test::SelectSlides(form, {0, 1});
  ASSERT_EQ(form.cbxCenter->checkState(), Qt::PartiallyChecked);
  Click(form.cbxCenter);
  EXPECT_EQ(form.cbxCenter->checkState(), Qt::Checked);
  EXPECT_EQ(Slide(0).CenterImage, 1);
  EXPECT_EQ(Slide(1).CenterImage, 1);
  Click(form.cbxCenter);
  EXPECT_EQ(form.cbxCenter->checkState(), Qt::Unchecked);
  EXPECT_EQ(Slide(0).CenterImage, 0);
  EXPECT_EQ(Slide(0).ImageLeft, 191);
  EXPECT_EQ(Slide(0).ImageTop, 144);
  // Never grayed by the user's clicks.
  Click(form.cbxCenter);
  EXPECT_EQ(form.cbxCenter->checkState(), Qt::Checked);
}

TEST_F(Panel, CancelledColourDialogChangesNoSlide) {
  Load({PictureSlide("a.jpg"), BlankSlide(0x000000FFu), BlankSlide(0x00FF0000u)});
  Slide(0).BackgroundColor = 0x00123456u;
  test::SelectSlides(form, {0, 1, 2});
  Click(form.btnBackground);
  ASSERT_EQ(fakes.dialogs.colorRequests.size(), 1u);
  EXPECT_EQ(fakes.dialogs.colorRequests[0], QColor(Qt::white));  // the selection differs
  EXPECT_EQ(Slide(0).BackgroundColor, 0x00123456u);
  EXPECT_EQ(Slide(1).BackgroundColor, 0x000000FFu);
  EXPECT_EQ(Slide(2).BackgroundColor, 0x00FF0000u);
  EXPECT_FALSE(Modified());
}

TEST_F(Panel, ChosenBackgroundGoesIntoEverySelectedSlideFromButtonOrSwatch) {
  Load({PictureSlide("a.jpg"), BlankSlide(0x000000FFu), BlankSlide(0x000000FFu)});
  test::SelectSlides(form, {1, 2});
  fakes.dialogs.colorResults.push_back(QColor(0x10, 0x20, 0x30));
  emit form.lbBackground->clicked();
  EXPECT_EQ(fakes.dialogs.colorRequests.at(0), QColor(255, 0, 0));  // the common colour
  EXPECT_EQ(Slide(1).BackgroundColor, 0x00302010u);
  EXPECT_EQ(Slide(2).BackgroundColor, 0x00302010u);
  EXPECT_EQ(Slide(0).BackgroundColor, 0u);
  EXPECT_EQ(form.lbBackground->color(), QColor(0x10, 0x20, 0x30));
  EXPECT_TRUE(Modified());
}

TEST_F(Panel, ChoosingTheColourTheSlidesHaveLeavesTheShowUnmodified) {
  Load({BlankSlide(0x000000FFu)});
  test::SelectSlides(form, {0});
  fakes.dialogs.colorResults.push_back(QColor(255, 0, 0));
  Click(form.btnBackground);
  EXPECT_FALSE(Modified());
}

TEST_F(Panel, ChangeBackgroundGivesTheChosenColourOrTheGivenOne) {
  fakes.dialogs.colorResults.push_back(QColor(0, 0, 255));
  EXPECT_EQ(form.ChangeBackground(0x80000005u), 0x00FF0000u);
  EXPECT_EQ(form.ChangeBackground(0x80000005u), 0x80000005u);  // cancelled
}

class CaptionShow : public Panel {
 protected:
  void SetUp() override {
    SlideRecord s = PictureSlide("a.jpg");
    s.CaptionFontName = "DejaVu Sans";
    s.CaptionFontSize = 12;
    Load({s});
    test::SelectSlides(form, {0});
  }
  QFont SlideFont() { return CaptionFont(Slide(0)); }
  void TypeCaption(const QString& text) {
    test::WhenModal<TSlideCaptionForm>([text](TSlideCaptionForm& e) {
      QTest::keyClicks(e.Memo1, text);
      e.BitBtn1->click();
    });
  }
  void CancelEditor() {
    test::WhenModal<TSlideCaptionForm>([](TSlideCaptionForm& e) { e.BitBtn2->click(); });
  }
};

TEST_F(CaptionShow, TickingShowAndCancellingTheEditorLeavesShowOff) {
  CancelEditor();
  Click(form.cbxShow_Caption);
  EXPECT_FALSE(form.cbxShow_Caption->isChecked());
  EXPECT_EQ(Slide(0).ShowCaption, 0);
  EXPECT_FALSE(form.btnEdit_Caption->isEnabled());
  EXPECT_TRUE(Slide(0).Caption.empty());
}

TEST_F(CaptionShow, HandlerRunAgainFromInsideItselfEndsTheSameWay) {
  // As if setting the box from code ran the handler, the way some toolkits do.
  QObject::connect(form.cbxShow_Caption, &QCheckBox::toggled, &form,
                   [this] { form.cbxShow_CaptionClick(); });
  CancelEditor();
  Click(form.cbxShow_Caption);
  EXPECT_FALSE(form.cbxShow_Caption->isChecked());
  EXPECT_EQ(Slide(0).ShowCaption, 0);
  EXPECT_FALSE(form.btnEdit_Caption->isEnabled());
}

TEST_F(CaptionShow, TickingShowWithTextTypedTurnsTheCaptionOn) {
  TypeCaption("Hi");
  Click(form.cbxShow_Caption);
  EXPECT_TRUE(form.cbxShow_Caption->isChecked());
  EXPECT_EQ(Slide(0).ShowCaption, 1);
  EXPECT_TRUE(form.btnEdit_Caption->isEnabled());
  EXPECT_EQ(Slide(0).Caption, std::vector<std::string>{"Hi"});
  EXPECT_TRUE(Modified());
  // Unticking keeps the text; ticking again does not open the editor.
  Click(form.cbxShow_Caption);
  EXPECT_EQ(Slide(0).ShowCaption, 0);
  EXPECT_FALSE(form.btnEdit_Caption->isEnabled());
  Click(form.cbxShow_Caption);
  EXPECT_EQ(Slide(0).ShowCaption, 1);
  EXPECT_EQ(Slide(0).Caption, std::vector<std::string>{"Hi"});
}

TEST_F(CaptionShow, ANarrowFirstCaptionGetsTheWidthOfItsText) {
  TypeCaption("Hi");
  form.btnEdit_CaptionClick();
  const QFontMetrics m(SlideFont());
  EXPECT_EQ(Slide(0).CaptionWidth, std::max(m.horizontalAdvance("Hi"), m.horizontalAdvance("WW")));
  EXPECT_LT(Slide(0).CaptionWidth, 110);
}

TEST_F(CaptionShow, AVeryShortFirstCaptionIsAtLeastTwoWsWide) {
  TypeCaption("i");
  form.btnEdit_CaptionClick();
  EXPECT_EQ(Slide(0).CaptionWidth, QFontMetrics(SlideFont()).horizontalAdvance("WW"));
}

TEST_F(CaptionShow, AWideFirstCaptionIsBrokenAndGetsItsWidestLine) {
  TypeCaption("Sunset over the old harbour");
  form.btnEdit_CaptionClick();
  const QFontMetrics m(SlideFont());
  ASSERT_GT(m.horizontalAdvance("Sunset over the old harbour"), 110);
  // Broken at 110 pixels: "Sunset over " / "the old " / "harbour " or similar.
  EXPECT_LE(Slide(0).CaptionWidth, 110);
  EXPECT_GE(Slide(0).CaptionWidth, m.horizontalAdvance("Sunset over"));
}

TEST_F(CaptionShow, AnEditedCaptionKeepsItsWidth) {
  Slide(0).Caption = {"Old"};
  Slide(0).CaptionWidth = 77;
  TypeCaption(" and now a much, much longer caption than before");
  form.btnEdit_CaptionClick();
  EXPECT_EQ(Slide(0).CaptionWidth, 77);
  EXPECT_GT(Slide(0).Caption.size(), 0u);
}

TEST_F(CaptionShow, CancelledEditLeavesTheSlideUnmodified) {
  Slide(0).Caption = {"Old"};
  const SlideRecord before = Slide(0);
  CancelEditor();
  form.btnEdit_CaptionClick();
  EXPECT_EQ(Slide(0).Caption, before.Caption);
  EXPECT_FALSE(Modified());
}

class Sound : public Panel {
 protected:
  std::string wave;
  void SetUp() override {
    // Played without a sound card; SDL's silent output still paces the play.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    wave = TempPath("chime.wav");
    ASSERT_TRUE(test::WriteTestWave(wave, 0.2, 8000));
    Load({PictureSlide("a.jpg")});
    test::SelectSlides(form, {0});
  }
};

TEST_F(Sound, TickingPlayASoundAndCancellingUnticksAndLeavesTheShowUnmodified) {
  Click(form.cbxPlay_Sound);
  ASSERT_EQ(fakes.dialogs.openFileRequests.size(), 1u);
  const FileDialogOptions& o = fakes.dialogs.openFileRequests[0];
  EXPECT_EQ(o.title, "Brightframework - Select a Sound File");
  EXPECT_EQ(o.filter, "Sound files (*.wav)|*.wav");
  EXPECT_EQ(o.defaultSuffix, "wav");
  EXPECT_TRUE(o.fileName.isEmpty());
  EXPECT_FALSE(form.cbxPlay_Sound->isChecked());
  EXPECT_EQ(Slide(0).PlaySound, 0);
  EXPECT_FALSE(form.btnPlay_Sound->isEnabled());
  EXPECT_FALSE(form.btnChange_Sound->isEnabled());
  EXPECT_FALSE(Modified());
}

TEST_F(Sound, HandlerRunAgainFromInsideItselfAsksOnceAndEndsTheSameWay) {
  QObject::connect(form.cbxPlay_Sound, &QCheckBox::toggled, &form,
                   [this] { form.cbxPlay_SoundClick(); });
  Click(form.cbxPlay_Sound);
  EXPECT_EQ(fakes.dialogs.openFileRequests.size(), 1u);
  EXPECT_FALSE(form.cbxPlay_Sound->isChecked());
  EXPECT_EQ(Slide(0).PlaySound, 0);
  EXPECT_FALSE(form.btnPlay_Sound->isEnabled());
  EXPECT_FALSE(Modified());
}

TEST_F(Sound, ChoosingAFileStoresItShowsItsNameAndPlaysIt) {
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(wave));
  Click(form.cbxPlay_Sound);
  EXPECT_TRUE(form.cbxPlay_Sound->isChecked());
  EXPECT_EQ(Slide(0).PlaySound, 1);
  EXPECT_EQ(Slide(0).SoundFolder, dir.path().toStdString() + "/");
  EXPECT_EQ(Slide(0).SoundName, "chime.wav");
  EXPECT_EQ(form.lblSound_File_Name->text(), "chime.wav");
  EXPECT_TRUE(form.btnPlay_Sound->isEnabled());
  EXPECT_TRUE(form.btnChange_Sound->isEnabled());
  EXPECT_TRUE(fakes.prompts.asked.empty());  // played without complaint
  EXPECT_TRUE(Modified());

  // Unticking keeps the file; ticking again uses it without asking.
  Click(form.cbxPlay_Sound);
  EXPECT_EQ(Slide(0).PlaySound, 0);
  EXPECT_EQ(Slide(0).SoundName, "chime.wav");
  EXPECT_EQ(form.lblSound_File_Name->text(), "chime.wav");
  Click(form.cbxPlay_Sound);
  EXPECT_EQ(Slide(0).PlaySound, 1);
  EXPECT_EQ(fakes.dialogs.openFileRequests.size(), 1u);
}

TEST_F(Sound, ChangeOpensOnTheCurrentFileAndTheSameFileIsNoChange) {
  Slide(0).SoundFolder = dir.path().toStdString() + "/";
  Slide(0).SoundName = "chime.wav";
  Slide(0).PlaySound = 1;
  test::SelectSlides(form, {0});
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(wave));
  Click(form.btnChange_Sound);
  EXPECT_EQ(fakes.dialogs.openFileRequests.at(0).fileName, QString::fromStdString(wave));
  EXPECT_FALSE(Modified());
  Click(form.btnChange_Sound);  // cancelled
  EXPECT_EQ(Slide(0).SoundName, "chime.wav");
  EXPECT_FALSE(Modified());
}

TEST_F(Sound, AFileThatIsNotASoundIsReportedWithThePlayersTextAndStaysChosen) {
  const std::string bogus = TempPath("notes.wav");
  QFile f(QString::fromStdString(bogus));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("this is not a wave file at all");
  f.close();
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(bogus));
  Click(form.cbxPlay_Sound);
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].icon, PromptIcon::Error);
  EXPECT_NE(fakes.prompts.asked[0].text.find("notes.wav"), std::string::npos);
  EXPECT_EQ(Slide(0).SoundName, "notes.wav");
  EXPECT_EQ(Slide(0).PlaySound, 1);
}

TEST_F(Sound, ATwelveSecondSoundPlaysOnlyItsFirstFiveSeconds) {
  // SDL's disk output writes what is played to a file, at the pace of real time.
  const std::string longWave = TempPath("long.wav");
  constexpr int kRate = 8000;
  ASSERT_TRUE(test::WriteTestWave(longWave, 12.0, kRate));
  const std::string raw = TempPath("played.raw");
  const QByteArray oldDriver = qgetenv("SDL_AUDIODRIVER");
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", QByteArray::fromStdString(raw));
  Slide(0).SoundFolder = dir.path().toStdString() + "/";
  Slide(0).SoundName = "long.wav";
  Slide(0).PlaySound = 1;
  test::SelectSlides(form, {0});
  form.btnPlay_SoundClick();
  qputenv("SDL_AUDIODRIVER", oldDriver);
  qunsetenv("SDL_DISKAUDIOFILE");
  EXPECT_TRUE(fakes.prompts.asked.empty());

  QFile played(QString::fromStdString(raw));
  ASSERT_TRUE(played.open(QIODevice::ReadOnly));
  const QByteArray bytes = played.readAll();
  const auto* samples = reinterpret_cast<const int16_t*>(bytes.constData());
  const qsizetype n = bytes.size() / 2;
  qsizetype sounding = n;
  while (sounding > 0 && samples[sounding - 1] == 0) --sounding;
  // Five seconds, not twelve. The disk output works in device buffers of 2048 frames and,
  // on a loaded machine, has once been seen to write one buffer more than was played;
  // one buffer either way is far from the seven seconds that must be cut.
  constexpr qsizetype kDeviceBuffer = 2048;
  EXPECT_GE(sounding, 5 * kRate - kDeviceBuffer);
  EXPECT_LE(sounding, 5 * kRate + kDeviceBuffer);
}

TEST_F(Sound, AMissingFileIsReported) {
  Slide(0).SoundFolder = "/nonexistent/";
  Slide(0).SoundName = "gone.wav";
  form.btnPlay_SoundClick();
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_NE(fakes.prompts.asked[0].text.find("gone.wav"), std::string::npos);
}

TEST_F(Panel, DurationButtonsWriteTheModeAndSwitchTheSecondsBox) {
  Load({PictureSlide("a.jpg"), PictureSlide("b.jpg"), PictureSlide("c.jpg")});
  test::SelectSlides(form, {0, 2});
  struct Case {
    QRadioButton* button;
    uint8_t mode;
    bool secondsEnabled;
  };
  const Case cases[] = {{form.rbEnterPressed, EnterPressed, false},
                        {form.rbSoundEnded, SoundEnded, true},
                        {form.rbEnterPressed, EnterPressed, false},
                        {form.rbTimeElapsed, TimeElapsed, true}};
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(Slide(0).DurationMode, c.mode);
    EXPECT_EQ(Slide(2).DurationMode, c.mode);
    EXPECT_EQ(Slide(1).DurationMode, TimeElapsed);
    EXPECT_EQ(form.seAdditional_Time->isEnabled(), c.secondsEnabled);
  }
  EXPECT_TRUE(Modified());
  // Reloading enables the box again whatever the mode.
  Click(form.rbEnterPressed);
  test::SelectSlides(form, {0});
  EXPECT_TRUE(form.seAdditional_Time->isEnabled());
}

TEST_F(Panel, SecondsTypedOutOfRangeAreKeptUntilTheBoxLosesTheFocus) {
  Load({PictureSlide("a.jpg"), PictureSlide("b.jpg")});
  test::SelectSlides(form, {0, 1});
  SecondsSpinBox* box = form.seAdditional_Time;
  box->selectAll();
  QTest::keyClicks(box, "150");
  EXPECT_EQ(Slide(0).ExtraSeconds, 150);
  EXPECT_EQ(Slide(1).ExtraSeconds, 150);
  EXPECT_TRUE(Modified());
  Blur(box);
  EXPECT_EQ(box->text(), "120");
  EXPECT_EQ(Slide(0).ExtraSeconds, 120);
  EXPECT_EQ(Slide(1).ExtraSeconds, 120);

  box->selectAll();
  QTest::keyClicks(box, "-7");
  EXPECT_EQ(Slide(0).ExtraSeconds, -7);
  Blur(box);
  EXPECT_EQ(Slide(0).ExtraSeconds, 0);
  EXPECT_EQ(box->text(), "0");
}

TEST_F(Panel, SecondsBoxRefusesLettersWithABeepAndReadsEmptyAsZero) {
  SlideRecord s = PictureSlide("a.jpg");
  s.ExtraSeconds = 42;
  Load({s});
  test::SelectSlides(form, {0});
  SecondsSpinBox* box = form.seAdditional_Time;
  box->selectAll();
  QTest::keyClicks(box, "1x");
  EXPECT_EQ(box->text(), "1");
  EXPECT_EQ(fakes.prompts.beeps.size(), 1u);
  EXPECT_EQ(Slide(0).ExtraSeconds, 1);
  QTest::keyClicks(box, "2345");  // at most three characters
  EXPECT_EQ(box->text(), "123");
  EXPECT_EQ(Slide(0).ExtraSeconds, 123);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(Slide(0).ExtraSeconds, 0);
  // Signs and the decimal separator are accepted keys; "1.5" is not a whole number.
  QTest::keyClicks(box, "1" + box->locale().decimalPoint() + "5");
  EXPECT_EQ(Slide(0).ExtraSeconds, 0);
  EXPECT_EQ(fakes.prompts.beeps.size(), 1u);
}

TEST_F(Panel, SecondsArrowsStepWithinTheRange) {
  SlideRecord s = PictureSlide("a.jpg");
  s.ExtraSeconds = 119;
  Load({s});
  test::SelectSlides(form, {0});
  SecondsSpinBox* box = form.seAdditional_Time;
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(Slide(0).ExtraSeconds, 120);
  EXPECT_TRUE(Modified());
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(Slide(0).ExtraSeconds, 120);
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(Slide(0).ExtraSeconds, 119);
}

TEST_F(Panel, MixedSecondsStayMixedWhenTheBoxIsOnlyPassedThrough) {
  SlideRecord a = PictureSlide("a.jpg"), b = PictureSlide("b.jpg");
  a.ExtraSeconds = 3;
  b.ExtraSeconds = 9;
  Load({a, b});
  test::SelectSlides(form, {0, 1});
  EXPECT_EQ(form.seAdditional_Time->text(), "");
  Blur(form.seAdditional_Time);
  EXPECT_EQ(Slide(0).ExtraSeconds, 3);
  EXPECT_EQ(Slide(1).ExtraSeconds, 9);
  EXPECT_FALSE(Modified());
}

TEST_F(Panel, ShowMeOpensADemonstrationThatGoesAwayByItself) {
  SlideRecord s = PictureSlide("a.jpg");
  s.Effect = 0;  // "No Effect": the second picture at once
  Load({s});
  test::SelectSlides(form, {0});
  Click(form.btnShowTransition);
  QPointer<TSlideTransitionForm> demo;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* d = qobject_cast<TSlideTransitionForm*>(w)) demo = d;
  }
  ASSERT_FALSE(demo.isNull());
  EXPECT_EQ(demo->windowTitle(), "Brightframework - SlideTransition");
  EXPECT_TRUE(QTest::qWaitFor([&] { return demo.isNull(); }, 3000));
  EXPECT_FALSE(Modified());
}

TEST_F(Panel, ArrangeSlideOpensTheStageOnTheCurrentSlide) {
  Load({PictureSlide("a.jpg"), PictureSlide("b.jpg")});
  test::SelectSlides(form, {1});
  std::vector<int> opened;
  form.ArrangeSlide = [&](int index) { opened.push_back(index); };
  Click(form.btnPreview);
  form.ImageListBoxDblClick();
  EXPECT_EQ(opened, (std::vector<int>{1, 1}));
}

}  // namespace
}  // namespace lrw
