// Every step of adding a picture slide: refusals, failures, the new slide's
// settings, its centred position and where it is inserted.
#include "import/AddPictureSlide.h"

#include <gtest/gtest.h>

#include "PictureFixtures.h"

namespace lrw {
namespace {

struct RecordingPrompts : Prompts {
  std::vector<BeepKind> beeps;
  std::vector<std::string> texts;
  std::vector<PromptIcon> icons;
  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  PromptAnswer Ask(const std::string& text, const std::string&, PromptIcon icon, PromptButtons,
                   PromptAnswer) override {
    texts.push_back(text);
    icons.push_back(icon);
    return PromptAnswer::Ok;
  }
};

class AddPictureSlideTest : public ::testing::Test {
 protected:
  std::string Picture(const std::string& name, int w, int h) {
    const std::string path = dir.File(name);
    test::WriteWithMagick(Bitmap(w, h, test::kRed), path, "PNG");
    return path;
  }
  int Add(const std::string& path, int current, bool removable = false) {
    PictureImportContext c{doc,
                           current,
                           1024,
                           768,
                           prompts,
                           loader,
                           [removable](const std::string&) { return removable; }};
    return AddPictureSlide(c, path);
  }

  test::TempDir dir;
  SlideShowDocument doc;
  RecordingPrompts prompts;
  LoadPictureModule loader;
};

TEST_F(AddPictureSlideTest, FirstSlideGetsTheDefaultsAndAThumbnail) {
  const std::string path = Picture("red.png", 120, 90);
  ASSERT_EQ(Add(path, -1), 0);
  ASSERT_EQ(doc.Count(), 1);
  const SlideRecord& s = doc.SlideAt(0);
  EXPECT_EQ(s.PictureFolder, dir.Path() + "/");
  EXPECT_EQ(s.PictureName, "red.png");
  EXPECT_EQ(s.PictureFormat, 25);
  EXPECT_EQ(s.ImageWidth, 120);
  EXPECT_EQ(s.ImageHeight, 90);
  EXPECT_EQ(s.CenterImage, 1);
  EXPECT_EQ(s.DurationMode, DurationMode::TimeElapsed);
  EXPECT_EQ(s.ExtraSeconds, 5);
  EXPECT_EQ(s.BoxWidth, 2);
  EXPECT_EQ(s.CaptionFontName, kDesignerFontName);
  EXPECT_EQ(s.CaptionBackColor, 0xFFFFFFu);
  ASSERT_TRUE(s.Thumbnail.has_value());
  EXPECT_EQ(s.Thumbnail->width, 60);
  EXPECT_EQ(s.Thumbnail->height, 45);
  EXPECT_EQ(s.Thumbnail->at(30, 20), test::kRed);
  EXPECT_TRUE(doc.Modified());
  EXPECT_TRUE(prompts.texts.empty());
}

TEST_F(AddPictureSlideTest, CopiesTheCurrentSlideButResetsCaptionAndSound) {
  SlideRecord current = FirstSlideDefaults();
  current.BackgroundColor = 0x0000FF;
  current.Effect = 17;
  current.CenterImage = 0;
  current.Caption = {"old"};
  current.ShowCaption = 1;
  current.CaptionFontName = "Arial";
  current.CaptionTop = 40;
  current.PlaySound = 1;
  current.SoundFolder = "/s/";
  current.SoundName = "a.wav";
  doc.InsertSlide(0, current);
  ASSERT_EQ(Add(Picture("p.png", 10, 10), 0), 1);
  const SlideRecord& s = doc.SlideAt(1);
  EXPECT_EQ(s.BackgroundColor, 0x0000FFu);
  EXPECT_EQ(s.Effect, 17);
  EXPECT_EQ(s.CenterImage, 0);
  EXPECT_TRUE(s.Caption.empty());
  EXPECT_EQ(s.ShowCaption, 0);
  EXPECT_EQ(s.CaptionFontName, kDesignerFontName);
  EXPECT_EQ(s.CaptionTop, 0);
  EXPECT_EQ(s.PlaySound, 0);
  EXPECT_TRUE(s.SoundName.empty());
  EXPECT_TRUE(s.SoundFolder.empty());
}

TEST(PictureSlideCentring, TruncatesTowardZero) {
  struct Case {
    int w, h, screenW, screenH, left, top;
  };
  for (const Case& c :
       {Case{1024, 768, 1024, 768, 0, 0}, Case{101, 101, 1024, 768, 461, 333},
        Case{1101, 845, 1024, 768, -38, -38}, Case{1, 1, 2, 2, 0, 0}, Case{3, 3, 2, 2, 0, 0}}) {
    const SlideRecord s =
        MakePictureSlide(FirstSlideDefaults(), "/f/", "a.bmp", c.w, c.h, c.screenW, c.screenH, {});
    EXPECT_EQ(s.ImageLeft, c.left) << c.w << "x" << c.h;
    EXPECT_EQ(s.ImageTop, c.top) << c.w << "x" << c.h;
    EXPECT_EQ(s.PictureFormat, 0);
  }
}

TEST_F(AddPictureSlideTest, SlidesLandDirectlyAfterTheCurrentSlide) {
  for (int i = 0; i < 5; ++i) {
    SlideRecord s = FirstSlideDefaults();
    s.PictureName = "old" + std::to_string(i + 1);
    doc.InsertSlide(i, s);
  }
  // The dialog's files are added last first, each after slide 2 (index 1).
  const std::vector<std::string> chosen = {Picture("a.png", 5, 5), Picture("b.png", 5, 5),
                                           Picture("c.png", 5, 5)};
  for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) EXPECT_EQ(Add(*it, 1), 2);
  std::vector<std::string> names;
  for (const SlideRecord& s : doc.Slides()) names.push_back(s.PictureName);
  EXPECT_EQ(names, (std::vector<std::string>{"old1", "old2", "a.png", "b.png", "c.png", "old3",
                                             "old4", "old5"}));
}

TEST_F(AddPictureSlideTest, RefusalsAndFailures) {
  const std::string mov = dir.File("clip.MOV");
  test::WriteFile(mov, {0});
  const std::string broken = dir.File("broken.png");
  test::WriteFile(broken, {0x89, 'P', 'N', 'G', 1, 2, 3});
  const std::string jpeg = Picture("four.jpeg", 5, 5);
  const std::string png = Picture("ok.png", 5, 5);

  struct Case {
    std::string path;
    bool removable;
    std::vector<BeepKind> beeps;
    std::string textStart;  // empty: no message
  };
  const std::vector<Case> cases = {
      {mov, false, {BeepKind::Warning}, AnimationMessage(mov)},
      {png, true, {BeepKind::Warning}, RemovableDiskMessage(png)},
      {broken, false, {BeepKind::Error}, "Unable to read the picture " + broken},
      {jpeg, false, {}, ""},
      {dir.File("missing.png"), false, {BeepKind::Error}, "Unable to read the picture"},
  };
  for (const Case& c : cases) {
    prompts = RecordingPrompts();
    EXPECT_EQ(Add(c.path, -1, c.removable), -1) << c.path;
    EXPECT_EQ(prompts.beeps, c.beeps) << c.path;
    if (c.textStart.empty()) {
      EXPECT_TRUE(prompts.texts.empty()) << c.path;
    } else {
      ASSERT_EQ(prompts.texts.size(), 1u) << c.path;
      EXPECT_EQ(prompts.texts[0].rfind(c.textStart, 0), 0u) << prompts.texts[0];
    }
  }
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_FALSE(doc.Modified());
}

TEST(PictureSlideMessages, ExactTexts) {
  EXPECT_EQ(AnimationMessage("/p/a.mov"),
            "Image /p/a.mov is an animation and cannot be added to a slideshow.\n"
            "Try converting it to a bitmap.");
  EXPECT_EQ(RemovableDiskMessage("/m/a.bmp"),
            "Image /m/a.bmp is on a removeable disk and cannot be added to a slideshow.");
}

TEST_F(AddPictureSlideTest, NamesAShowFileCannotStoreAreRefused) {
  const std::string path = Picture("\xE6\x97\xA5.png", 5, 5);  // a CJK character
  EXPECT_EQ(Add(path, -1), -1);
  ASSERT_EQ(prompts.texts.size(), 1u);
  EXPECT_NE(prompts.texts[0].find("cannot be added to a slideshow"), std::string::npos);
  EXPECT_EQ(prompts.beeps, std::vector<BeepKind>{BeepKind::Warning});

  // Latin-1 letters are stored as Windows-1252 bytes.
  prompts = RecordingPrompts();
  ASSERT_EQ(Add(Picture("caf\xC3\xA9.png", 5, 5), -1), 0);
  EXPECT_EQ(doc.SlideAt(0).PictureName, "caf\xE9.png");
}

TEST_F(AddPictureSlideTest, VideoStillBecomesASlide) {
  const std::string path = dir.File("clip.avi");
  test::WriteAvi(path, 320, 240, 2);
  ASSERT_EQ(Add(path, -1), 0);
  const SlideRecord& s = doc.SlideAt(0);
  EXPECT_EQ(s.ImageWidth, 320);
  EXPECT_EQ(s.ImageHeight, 240);
  EXPECT_EQ(s.PictureFormat, 30);
  ASSERT_TRUE(s.Thumbnail);
  EXPECT_EQ(s.Thumbnail->width, 60);
  EXPECT_EQ(s.Thumbnail->height, 60);
}

}  // namespace
}  // namespace lrw
