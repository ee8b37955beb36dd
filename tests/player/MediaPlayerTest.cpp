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
  player.Open();
  ASSERT_EQ(player.Error(), 0) << player.ErrorMessage();
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
    player.Open();
    EXPECT_EQ(player.Error(), kMediaFileError) << name;
    EXPECT_NE(player.ErrorMessage().find(name), std::string::npos) << player.ErrorMessage();
    // One sentence, whatever punctuation the library's reason brings.
    EXPECT_EQ(player.ErrorMessage().back(), '.') << player.ErrorMessage();
    EXPECT_EQ(player.ErrorMessage().find(".."), std::string::npos) << player.ErrorMessage();
    EXPECT_EQ(player.Mode(), MediaMode::NotOpen);
    player.Play();
    EXPECT_EQ(player.Error(), kMediaNotOpen);
  }
}

TEST_F(MediaPlayerTest, NoSoundOutputGivesDeviceErrorAndLeavesNothingOpen) {
  WriteWave(dir / "tone.wav", 200);
  setenv("SDL_AUDIODRIVER", "lrw-no-such-output", 1);
  MediaPlayer player;
  player.SetFileName((dir / "tone.wav").string());
  player.Open();
  const int error = player.Error();
  const std::string message = player.ErrorMessage();
  const MediaMode mode = player.Mode();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_EQ(error, kMediaDeviceError);
  ASSERT_FALSE(message.empty());
  EXPECT_EQ(message.back(), '.') << message;
  EXPECT_EQ(message.find(".."), std::string::npos) << message;
  EXPECT_EQ(mode, MediaMode::NotOpen);
  // The output comes back for the next open.
  player.Open();
  EXPECT_EQ(player.Error(), kMediaOk) << player.ErrorMessage();
  EXPECT_EQ(player.Mode(), MediaMode::Stopped);
}

TEST_F(MediaPlayerTest, PlayWithWaitReturnsAtEndPosition) {
  WriteWave(dir / "long.wav", 3000);
  MediaPlayer player;
  player.SetFileName((dir / "long.wav").string());
  player.Open();
  ASSERT_EQ(player.Error(), 0) << player.ErrorMessage();
  player.SetEndPosition(300);
  player.SetWait(true);
  const auto t0 = Clock::now();
  player.Play();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count();
  EXPECT_EQ(player.Error(), 0);
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
  player.Open();
  ASSERT_EQ(player.Error(), 0) << player.ErrorMessage();
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
  player.Open();
  ASSERT_EQ(player.Error(), 0);
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
    player.Open();
    ASSERT_EQ(player.Error(), 0);
    player.SetNotify(true);
    player.Play();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
  queue.RunPosted(std::chrono::milliseconds(10));
  EXPECT_EQ(notified, 0);
}

}  // namespace
}  // namespace lrw
