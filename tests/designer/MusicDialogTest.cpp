// Run > "&Music..." in the window: the dialog builds the list, previews it, fits the show
// to it, and the whole choice is one step that Undo takes back.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "designer/DesignerFixture.h"
#include "designer/ModalDriver.h"
#include "designer/MusicCommands.h"
#include "designer/MusicDialog.h"
#include "export/AudioTrack.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

class MusicDialogTest : public test::DesignerFixture {};

TEST_F(MusicDialogTest, BuildsTheListPreviewsItAndFitsTheShowAsOneStep) {
  std::vector<SlideRecord> slides;
  for (int i = 0; i < 3; ++i) {
    SlideRecord s = test::PictureSlide("s" + std::to_string(i));
    s.DurationMode = DurationMode::TimeElapsed;
    s.ExtraSeconds = 2;
    slides.push_back(s);
  }
  Open(slides);
  const std::string a = Path("a.wav"), b = Path("b.wav");
  ASSERT_TRUE(test::WriteSineWave(a, 12, 440, 0.3, 44100, 2));
  ASSERT_TRUE(test::WriteSineWave(b, 9, 330, 0.3, 22050, 1));
  const std::vector<SlideRecord> before = Doc().Slides();

  fakes.dialogs.openFilesResults.push_back(
      QStringList{QString::fromStdString(a), QString::fromStdString(b), Path("gone.mp3").c_str()});
  QString length, listed;
  bool previewed = false;
  test::WhenModal<MusicDialog>([&](MusicDialog& d) {
    d.AddButton()->click();
    listed = d.List()->item(2)->text();
    d.RemoveButton()->click();  // the unplayable one, added last and current
    d.UpButton()->click();      // b before a
    d.VolumeBox()->setValue(60);
    d.FadeOutBox()->setValue(2);
    length = d.LengthLabel()->text();
    d.PlayButton()->click();
    previewed = d.PlayButton()->text() == "&Stop";
    d.FitButton()->click();
  });
  Action("Music1")->trigger();

  EXPECT_EQ(listed, "gone.mp3 (cannot be played)");
  EXPECT_TRUE(previewed);
  EXPECT_TRUE(length.startsWith("Music: 0:21")) << length.toStdString();
  const ShowMusic& music = Doc().Music();
  EXPECT_EQ(music.tracks, (std::vector<std::string>{b, a}));
  EXPECT_EQ(music.volumePercent, 60);
  EXPECT_EQ(music.fadeOutMs, 2000);
  EXPECT_NEAR(ShowSeconds(Doc().Slides(), kFitEnterSeconds, &SoundFileSeconds), 21, 1.0)
      << "fitted to the music";
  EXPECT_EQ(Action("Undo1")->text(), "&Undo Music");

  Action("Undo1")->trigger();
  EXPECT_FALSE(Doc().Music().Present());
  EXPECT_EQ(Doc().Slides(), before);
  EXPECT_FALSE(Doc().Modified());
}

}  // namespace
}  // namespace lrw
