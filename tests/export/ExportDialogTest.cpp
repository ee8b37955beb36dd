#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "designer/ExportProgressDialog.h"
#include "designer/ExportShowAsVideo.h"
#include "designer/ExportVideoDialog.h"
#include "designer/FakeServices.h"
#include "designer/ModalDriver.h"
#include "export/VideoExport.h"
#include "export/VideoProbe.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

// A blank slide with a caption that stays `seconds`, or waits for Enter.
std::vector<SlideRecord> Show(int seconds) {
  SlideRecord slide = FirstSlideDefaults();
  slide.BackgroundColor = 0x00406080;
  slide.ShowCaption = 1;
  slide.Caption = {"Exported"};
  slide.DurationMode = seconds > 0 ? DurationMode::TimeElapsed : DurationMode::EnterPressed;
  slide.ExtraSeconds = static_cast<int16_t>(seconds);
  return {slide};
}

class ExportDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp_.isValid()); }
  std::string Path(const std::string& name) const { return tmp_.path().toStdString() + "/" + name; }
  QStringList Files() const {
    return QDir(tmp_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }
  const test::FakePrompts::Question& LastMessage() const { return fake_.prompts.asked.back(); }

  QTemporaryDir tmp_;
  test::FakeServices fake_;
};

TEST_F(ExportDialogTest, ExportsWithTheChosenOptionsOverAConfirmedFile) {
  const std::string chosen = Path("chosen.webm");
  std::ofstream(chosen) << "older";
  const std::string question =
      "The file \"" + chosen + "\" already exists.\nDo you want to replace it?";

  // Not confirmed: the file stays as it is.
  fake_.prompts.answers = {PromptAnswer::No};
  test::WhenModal<ExportVideoDialog>([&](ExportVideoDialog& d) {
    d.FileEdit()->setText(QString::fromStdString(chosen));
    d.OkButton()->click();
  });
  ExportShowAsVideo(nullptr, Show(1), fake_.dialogs, fake_.prompts);
  ASSERT_EQ(fake_.prompts.asked.size(), 1u);
  EXPECT_EQ(LastMessage().text, question);
  EXPECT_EQ(LastMessage().buttons, PromptButtons::YesNo);
  EXPECT_EQ(LastMessage().defaultButton, PromptAnswer::No);
  EXPECT_EQ(fs::file_size(chosen), 5u);

  fake_.dialogs.saveFileResults.push_back(QString::fromStdString(chosen));
  fake_.prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
  bool refusedBadName = false;
  test::WhenModal<ExportVideoDialog>([&](ExportVideoDialog& d) {
    // Suggested from the show's own name.
    EXPECT_EQ(d.FileEdit()->text().toStdString(), Path("My show.mp4"));
    d.FileEdit()->setText(QString::fromStdString(Path("clip.avi")));
    d.OkButton()->click();
    refusedBadName = d.isVisible() && fake_.prompts.asked.size() == 2 &&
                     LastMessage().text == "The video file name must end in .mp4, .mkv or .webm.";
    d.BrowseButton()->click();
    d.SizeBox()->setCurrentIndex(0);  // 1280 x 720
    d.FpsBox()->setCurrentIndex(d.FpsBox()->findText("24 frames a second"));
    d.OkButton()->click();
  });
  ExportShowAsVideo(nullptr, Show(1), fake_.dialogs, fake_.prompts, Path("My show.sho"));

  EXPECT_TRUE(refusedBadName);
  ASSERT_EQ(fake_.dialogs.saveFileRequests.size(), 1u);
  EXPECT_TRUE(fake_.dialogs.saveFileRequests[0].filter.contains("*.webm"));
  ASSERT_EQ(fake_.prompts.asked.size(), 4u);
  EXPECT_EQ(fake_.prompts.asked[2].text, question);
  EXPECT_EQ(LastMessage().icon, PromptIcon::Information);
  EXPECT_EQ(
      LastMessage().text,
      "The video \"" + chosen + "\" has been exported: 0:01, 1280 x 720 at 24 frames a second.");
  const test::ProbedVideo video = test::ProbeVideo(chosen);
  EXPECT_EQ(video.videoCodec, "vp9");
  EXPECT_EQ(video.width, 1280);
  EXPECT_EQ(video.height, 720);
  EXPECT_DOUBLE_EQ(video.fps, 24);
  EXPECT_EQ(Files(), QStringList{"chosen.webm"});
}

TEST_F(ExportDialogTest, APresetSetsTheVideoAndAChangeMakesItYourOwn) {
  const std::string target = Path("phone.mp4");
  QString presetAfterChange;
  test::WhenModal<ExportVideoDialog>([&](ExportVideoDialog& d) {
    d.FileEdit()->setText(QString::fromStdString(target));
    d.PresetBox()->setCurrentIndex(d.PresetBox()->findText("Small for mail", Qt::MatchStartsWith));
    d.PresetBox()->setCurrentIndex(d.PresetBox()->findText("Phone", Qt::MatchStartsWith));
    d.FpsBox()->setCurrentIndex(d.FpsBox()->findText("29.97 frames a second"));
    presetAfterChange = d.PresetBox()->currentText();
    d.BitrateBox()->setValue(300);
    d.OkButton()->click();
  });
  ExportShowAsVideo(nullptr, Show(1), fake_.dialogs, fake_.prompts);

  EXPECT_EQ(presetAfterChange, "Your own choice");
  ASSERT_EQ(fake_.prompts.asked.size(), 1u);
  EXPECT_EQ(LastMessage().text, "The video \"" + target +
                                    "\" has been exported: 0:01, 1080 x 1920 at 29.97 frames a "
                                    "second.");
  const test::ProbedVideo video = test::ProbeVideo(target);
  EXPECT_EQ(video.videoCodec, "h264");
  EXPECT_EQ(video.width, 1080);
  EXPECT_EQ(video.height, 1920);
  EXPECT_NEAR(video.fps, 30000.0 / 1001, 1e-9);
  EXPECT_GT(video.bitRate, 0);
  EXPECT_LT(video.bitRate, 450000);  // the target, not above
}

TEST_F(ExportDialogTest, CancelLeavesNoFile) {
  bool thumbnailShown = false;
  test::WhenModal<ExportVideoDialog>([&](ExportVideoDialog& d) {
    d.FileEdit()->setText(QString::fromStdString(Path("long.mp4")));
    d.SizeBox()->setCurrentIndex(0);
    d.EnterSecondsBox()->setValue(120);  // two minutes of video
    d.OkButton()->click();
  });
  test::WhenModal<ExportProgressDialog>([&](ExportProgressDialog& d) {
    // Let the first slide arrive (however long a loaded machine takes), then cancel while
    // the export is far from done.
    auto* poll = new QTimer(&d);
    QObject::connect(poll, &QTimer::timeout, &d, [&, poll, tries = 0]() mutable {
      thumbnailShown = !d.Thumbnail()->pixmap().isNull();
      if (!thumbnailShown && ++tries < 200) return;
      poll->stop();
      d.CancelButton()->click();
      EXPECT_FALSE(d.CancelButton()->isEnabled());
    });
    poll->start(50);
  });
  ExportShowAsVideo(nullptr, Show(0), fake_.dialogs, fake_.prompts);
  EXPECT_TRUE(thumbnailShown);
  ASSERT_EQ(fake_.prompts.asked.size(), 1u);
  EXPECT_EQ(LastMessage().text, kExportCancelledText);
  EXPECT_TRUE(Files().empty());
}

}  // namespace
}  // namespace lrw
