// Peak memory and CPU time of reading (hostile) sound files as the program does: each file
// in a child process of its own, through the slide-sound player (which decodes the whole
// sound when it opens it) and through the stream the music and the export read.
//
// usage: sound_memory FILE...   (SDL_AUDIODRIVER=dummy is set when not given)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "player/MediaPlayer.h"
#include "player/ResampledSound.h"

namespace {

std::string Player(const std::string& path) {
  lrw::MediaPlayer player;
  player.SetFileName(path);
  if (const lrw::Result<void> opened = player.Open(); !opened) return opened.error().message;
  return "opened, " + std::to_string(player.LengthMs()) + " ms";
}

std::string Stream(const std::string& path) {
  const auto opened = lrw::ResampledSound::Open(path);
  if (!opened) return "refused: " + opened.error().message;
  lrw::ResampledSound& sound = **opened;
  std::vector<float> block(4096 * lrw::kMixChannels);
  long long frames = 0;
  for (int got; (got = sound.Read(block.data(), 4096)) > 0;) frames += got;
  return "streamed " + std::to_string(frames * 1000 / lrw::kMixRate) + " ms";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: sound_memory FILE...\n", stderr);
    return 2;
  }
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  long worst = 0;
  for (int i = 1; i < argc; ++i) {
    for (const char* how : {"player", "stream"}) {
      int report[2];
      if (::pipe(report) != 0) return 1;
      const pid_t child = ::fork();
      if (child == 0) {
        ::close(report[0]);
        const std::string text = std::string(how) == "player" ? Player(argv[i]) : Stream(argv[i]);
        if (::write(report[1], text.data(), text.size()) < 0) return 1;
        ::_exit(0);
      }
      ::close(report[1]);
      std::string text;
      char buffer[512];
      for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
      ::close(report[0]);
      int status = 0;
      rusage usage{};
      ::wait4(child, &status, 0, &usage);
      if (!WIFEXITED(status)) text = "ended by signal " + std::to_string(WTERMSIG(status));
      worst = std::max(worst, usage.ru_maxrss);
      const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
      std::printf("%8.1f MB %6.2f s  %-6s %s: %s\n", usage.ru_maxrss / 1024.0, cpu, how, argv[i],
                  text.c_str());
    }
  }
  std::printf("%8.1f MB  the largest\n", worst / 1024.0);
  return 0;
}
