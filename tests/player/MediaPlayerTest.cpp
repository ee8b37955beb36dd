#include "player/MediaPlayer.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "player/ResampledSound.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A tone of `ms` milliseconds.
void WriteWave(const fs::path& path, int ms, int rate = 22050) {
  ASSERT_TRUE(test::WriteTestWave(path.string(), ms / 1000.0, rate)) << sf_strerror(nullptr);
}

// Stands in for the window layer's queue: posted calls wait until the test runs them.
class PostQueue {
 public:
  MediaPlayer::PostFunction Poster() {
    return [this](std::function<void()> f) {
      std::lock_guard lock(mutex_);
      calls_.push_back(std::move(f));
    };
  }
  // Runs what has been posted; waits up to `timeout` for at least one call.
  int RunPosted(std::chrono::milliseconds timeout) {
    const auto until = Clock::now() + timeout;
    while (Clock::now() < until) {
      {
        std::lock_guard lock(mutex_);
        if (!calls_.empty()) break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::deque<std::function<void()>> calls;
    {
      std::lock_guard lock(mutex_);
      calls.swap(calls_);
    }
    for (auto& f : calls) f();
    return static_cast<int>(calls.size());
  }

 private:
  std::mutex mutex_;
  std::deque<std::function<void()>> calls_;
};

class MediaPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    dir = fs::temp_directory_path() / ("lrw_media_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(MediaPlayerTest, OpensWaveAndKnowsItsLength) {
  WriteWave(dir / "tone.wav", 1200);
  MediaPlayer player;
  EXPECT_EQ(player.Mode(), MediaMode::NotOpen);
  player.SetFileName((dir / "tone.wav").string());
  ASSERT_TRUE(player.Open().has_value()) << player.ErrorMessage();
  EXPECT_EQ(player.Mode(), MediaMode::Stopped);
  EXPECT_EQ(player.LengthMs(), 1200);
  player.Close();
  EXPECT_EQ(player.Mode(), MediaMode::NotOpen);
  EXPECT_EQ(player.LengthMs(), 0);
}

TEST_F(MediaPlayerTest, MissingOrBrokenFilesGiveErrorCodeAndText) {
  std::ofstream(dir / "text.wav") << "this is not a sound";
  for (const char* name : {"missing.wav", "text.wav"}) {
    MediaPlayer player;
    player.SetFileName((dir / name).string());
    const Result<void> opened = player.Open();
    EXPECT_EQ(player.Error(), MediaError::FileError) << name;
    ASSERT_FALSE(opened.has_value());
    EXPECT_EQ(opened.error().message, player.ErrorMessage());
    EXPECT_NE(player.ErrorMessage().find(name), std::string::npos) << player.ErrorMessage();
    // One sentence, whatever punctuation the library's reason brings.
    EXPECT_EQ(player.ErrorMessage().back(), '.') << player.ErrorMessage();
    EXPECT_EQ(player.ErrorMessage().find(".."), std::string::npos) << player.ErrorMessage();
    EXPECT_EQ(player.Mode(), MediaMode::NotOpen);
    player.Play();
    EXPECT_EQ(player.Error(), MediaError::NotOpen);
  }
}

TEST_F(MediaPlayerTest, NoSoundOutputGivesDeviceErrorAndLeavesNothingOpen) {
  WriteWave(dir / "tone.wav", 200);
  setenv("SDL_AUDIODRIVER", "lrw-no-such-output", 1);
  MediaPlayer player;
  player.SetFileName((dir / "tone.wav").string());
  const bool opened = player.Open().has_value();
  const MediaError error = player.Error();
  const std::string message = player.ErrorMessage();
  const MediaMode mode = player.Mode();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_FALSE(opened);
  EXPECT_EQ(error, MediaError::DeviceError);
  ASSERT_FALSE(message.empty());
  EXPECT_EQ(message.back(), '.') << message;
  EXPECT_EQ(message.find(".."), std::string::npos) << message;
  EXPECT_EQ(mode, MediaMode::NotOpen);
  // The output comes back for the next open.
  EXPECT_TRUE(player.Open().has_value()) << player.ErrorMessage();
  EXPECT_EQ(player.Mode(), MediaMode::Stopped);
}

TEST_F(MediaPlayerTest, PlayWithWaitReturnsAtEndPosition) {
  WriteWave(dir / "long.wav", 3000);
  MediaPlayer player;
  player.SetFileName((dir / "long.wav").string());
  ASSERT_TRUE(player.Open().has_value()) << player.ErrorMessage();
  player.SetEndPosition(300);
  player.SetWait(true);
  const auto t0 = Clock::now();
  player.Play();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
  EXPECT_EQ(player.Error(), MediaError::Ok);
  EXPECT_EQ(player.Mode(), MediaMode::Stopped);
  EXPECT_GE(ms, 150);
  EXPECT_LT(ms, 2000);
}

TEST_F(MediaPlayerTest, NotifiesOnceAtNaturalEndThroughThePostedCall) {
  WriteWave(dir / "short.wav", 200);
  PostQueue queue;
  MediaPlayer player(queue.Poster());
  int notified = 0;
  player.OnNotify = [&] { ++notified; };
  player.SetFileName((dir / "short.wav").string());
  ASSERT_TRUE(player.Open().has_value()) << player.ErrorMessage();
  player.SetNotify(true);
  player.Play();
  EXPECT_EQ(player.Mode(), MediaMode::Playing);
  EXPECT_EQ(notified, 0);  // only the owner's thread runs the handler
  EXPECT_EQ(queue.RunPosted(std::chrono::seconds(3)), 1);
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(player.Mode(), MediaMode::Stopped);
}

TEST_F(MediaPlayerTest, StopAndCloseDropTheEndNotification) {
  WriteWave(dir / "short.wav", 150);
  PostQueue queue;
  MediaPlayer player(queue.Poster());
  int notified = 0;
  player.OnNotify = [&] { ++notified; };
  player.SetFileName((dir / "short.wav").string());
  ASSERT_TRUE(player.Open().has_value());
  player.SetNotify(true);
  player.Play();
  player.Stop();
  EXPECT_EQ(player.Mode(), MediaMode::Stopped);
  queue.RunPosted(std::chrono::milliseconds(400));
  EXPECT_EQ(notified, 0);

  // A notification already posted when the player is closed is dropped as well.
  player.Play();
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  player.Close();
  queue.RunPosted(std::chrono::milliseconds(10));
  EXPECT_EQ(notified, 0);
}

TEST_F(MediaPlayerTest, PostedCallAfterPlayerIsGoneDoesNothing) {
  WriteWave(dir / "short.wav", 100);
  PostQueue queue;
  int notified = 0;
  {
    MediaPlayer player(queue.Poster());
    player.OnNotify = [&] { ++notified; };
    player.SetFileName((dir / "short.wav").string());
    ASSERT_TRUE(player.Open().has_value());
    player.SetNotify(true);
    player.Play();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
  queue.RunPosted(std::chrono::milliseconds(10));
  EXPECT_EQ(notified, 0);
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

// Every sound format the show accepts plays, as a slide's sound and as the stream the
// music and the export read; damaged and hostile files are refused with the player's
// own texts.
TEST_F(MediaPlayerTest, EverySoundFormatPlaysAndHostileFilesAreRefused) {
  const fs::path wave = dir / "tone.wav";
  ASSERT_TRUE(test::WriteSineWave(wave.string(), 1.5, 440, 0.4, 44100, 2));
  const struct {
    const char* name;
    const char* codec;  // for the ffmpeg program
  } formats[] = {{"tone.wav", nullptr},    {"tone.flac", "flac"},      {"tone.ogg", "libvorbis"},
                 {"tone.opus", "libopus"}, {"tone.mp3", "libmp3lame"}, {"tone.m4a", "aac"}};
  for (const auto& f : formats) {
    const fs::path path = dir / f.name;
    if (f.codec) {
      const std::string command = "ffmpeg -v error -y -i '" + wave.string() + "' -c:a " + f.codec +
                                  " '" + path.string() + "'";
      ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    MediaPlayer player;
    player.SetFileName(path.string());
    ASSERT_TRUE(player.Open().has_value()) << f.name << ": " << player.ErrorMessage();
    EXPECT_NEAR(player.LengthMs(), 1500, 60) << f.name;
    const auto sound = ResampledSound::Open(path.string());
    ASSERT_TRUE(sound.has_value()) << f.name << ": " << sound.error().message;
    std::vector<float> heard(48000 * 2 * 2, 0.0f);
    const int frames = (*sound)->Read(heard.data(), 48000 * 2);
    EXPECT_NEAR(frames, 72000, 48000 * 0.06) << f.name;
    // The tone itself, at its level, a third of a second in.
    EXPECT_NEAR(test::ToneLevel(heard, 16000, 4800, 440, 48000, 2), 0.4, 0.04) << f.name;
  }

  // A playlist under a sound's name must not make the decoder open what it names.
  std::ofstream(dir / "list.ogg") << "#EXTM3U\n" << wave.string() << "\n";
  std::ofstream(dir / "junk.m4a") << std::string(
                                         "\0\0\0\x18"
                                         "ftypM4A ",
                                         12)
                                  << "junk";
  // A wave header that declares four gigabytes and holds a few bytes.
  std::ofstream big(dir / "big.wav", std::ios::binary);
  const char header[] =
      "RIFF\xff\xff\xff\x7fWAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xac\0\0"
      "\x10\xb1\x02\0\x04\0\x10\0data\xf0\xff\xff\xff";
  big.write(header, sizeof header - 1);
  big.write("\0\0\0\0\0\0\0\0", 8);
  big.close();
  // One sample a second: an output opened at that rate would sleep between buffers for
  // half an hour.
  test::WriteTestWave((dir / "slow.wav").string(), 4000, 1);
  for (const char* name : {"list.ogg", "junk.m4a", "slow.wav"}) {
    MediaPlayer player;
    player.SetFileName((dir / name).string());
    EXPECT_FALSE(player.Open().has_value()) << name;
    EXPECT_EQ(player.Error(), MediaError::FileError) << name;
    EXPECT_EQ(player.ErrorMessage().rfind("The sound file \"" + std::string(name) + "\"", 0), 0u)
        << player.ErrorMessage();
    EXPECT_FALSE(ResampledSound::Open((dir / name).string()).has_value()) << name;
  }
  MediaPlayer player;
  player.SetFileName((dir / "big.wav").string());
  (void)player.Open();  // opened with what it holds, or refused as too long
  EXPECT_LT(player.LengthMs(), 100) << "only what the file holds";
}

}  // namespace
}  // namespace lrw
