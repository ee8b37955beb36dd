#include "player/AudioDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}
#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace lrw {

namespace {

// Rates no sound is recorded at: a file that declares one is damaged. (An output opened
// at one hertz would sleep for half an hour between buffers.)
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 768000;

// The reasons reach the user as texts; FFmpeg's own log would only clutter stderr.
void QuietLibrary() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

}  // namespace

struct AudioDecoder::SndFile {
  SNDFILE* file = nullptr;
  int fileChannels = 0;
  std::vector<float> raw;
  ~SndFile() {
    if (file) sf_close(file);
  }
};

// FFmpeg's decoder, for what libsndfile does not read; its output is converted to
// interleaved float of the stream's own rate, one or two channels.
struct AudioDecoder::Ffmpeg {
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  SwrContext* swr = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  int stream = -1;
  int channels = 0;
  bool inputDone = false;
  bool finished = false;
  std::vector<float> pending;
  size_t offset = 0;  // frames of `pending` given out
  int rate = 0;
  int64_t frames = -1;  // from the duration; -1 when unknown

  ~Ffmpeg() {
    av_frame_free(&frame);
    av_packet_free(&packet);
    swr_free(&swr);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
  }

  // Fails as ErrorKind::Damaged when FFmpeg recognised the file and found its sound damaged.
  Result<void> Open(const std::string& path) {
    // Only local files of sound containers: a hostile file must not make FFmpeg open
    // playlists, other files or the network.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    av_dict_set(&options, "format_whitelist",
                "mov,mp4,m4a,3gp,3g2,mj2,aac,mp3,ogg,flac,wav,matroska,webm", 0);
    int err = avformat_open_input(&format, path.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (err < 0) return Fail(AvError(err));
    if ((err = avformat_find_stream_info(format, nullptr)) < 0) return Fail(AvError(err));
    const AVCodec* decoder = nullptr;
    stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder) return Fail("it holds no sound");
    const AVStream* s = format->streams[stream];
    codec = avcodec_alloc_context3(decoder);
    if (!codec || avcodec_parameters_to_context(codec, s->codecpar) < 0 ||
        (err = avcodec_open2(codec, decoder, nullptr)) < 0) {
      return Fail("its sound cannot be decoded");
    }
    if (codec->sample_rate < kMinRate || codec->sample_rate > kMaxRate ||
        codec->ch_layout.nb_channels <= 0) {
      return Fail(ErrorKind::Damaged, "it is damaged");
    }
    channels = std::min(codec->ch_layout.nb_channels, 2);
    AVChannelLayout out{};
    av_channel_layout_default(&out, channels);
    if (swr_alloc_set_opts2(&swr, &out, AV_SAMPLE_FMT_FLT, codec->sample_rate, &codec->ch_layout,
                            codec->sample_fmt, codec->sample_rate, 0, nullptr) < 0 ||
        swr_init(swr) < 0) {
      return Fail("its sound cannot be converted");
    }
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    rate = codec->sample_rate;
    if (s->duration > 0 && s->time_base.den > 0) {
      frames = av_rescale_q(s->duration, s->time_base, AVRational{1, rate});
    } else if (format->duration > 0) {
      frames = av_rescale_q(format->duration, AVRational{1, AV_TIME_BASE}, AVRational{1, rate});
    }
    if (!packet || !frame) return Fail("there is not enough memory");
    return {};
  }

  // Decodes the next frame of sound into `pending`; false at the end or on damage.
  bool Refill() {
    pending.clear();
    offset = 0;
    while (!finished) {
      const int got = avcodec_receive_frame(codec, frame);
      if (got == 0) {
        const int room = swr_get_out_samples(swr, frame->nb_samples);
        if (room <= 0) continue;
        pending.resize(static_cast<size_t>(room) * channels);
        uint8_t* outPlanes[] = {reinterpret_cast<uint8_t*>(pending.data())};
        const int made =
            swr_convert(swr, outPlanes, room, const_cast<const uint8_t**>(frame->extended_data),
                        frame->nb_samples);
        av_frame_unref(frame);
        pending.resize(static_cast<size_t>(std::max(made, 0)) * channels);
        if (!pending.empty()) return true;
        continue;
      }
      if (got == AVERROR_EOF) {
        finished = true;
        break;
      }
      if (got != AVERROR(EAGAIN)) {
        finished = true;  // damage: what was decoded stands
        break;
      }
      if (inputDone) {
        finished = true;
        break;
      }
      const int read = av_read_frame(format, packet);
      if (read < 0) {
        inputDone = true;
        avcodec_send_packet(codec, nullptr);
        continue;
      }
      if (packet->stream_index == stream && avcodec_send_packet(codec, packet) < 0) {
        // A damaged packet is passed over, as players do.
      }
      av_packet_unref(packet);
    }
    return false;
  }

  int Read(float* out, int count) {
    int made = 0;
    while (made < count) {
      if (offset * channels >= pending.size() && !Refill()) break;
      const size_t available = pending.size() / channels - offset;
      const size_t n = std::min(available, static_cast<size_t>(count - made));
      std::memcpy(out + static_cast<size_t>(made) * channels, pending.data() + offset * channels,
                  n * channels * sizeof(float));
      offset += n;
      made += static_cast<int>(n);
    }
    return made;
  }
};

AudioDecoder::AudioDecoder() = default;
AudioDecoder::~AudioDecoder() = default;

bool AudioDecoder::IsOpen() const {
  return snd_ || av_;
}

Result<void> AudioDecoder::Open(const std::string& utf8Path) {
  snd_.reset();
  av_.reset();
  channels_ = rate_ = 0;
  frames_ = -1;
  SF_INFO info{};
  if (SNDFILE* file = sf_open(utf8Path.c_str(), SFM_READ, &info)) {
    snd_ = std::make_unique<SndFile>();
    snd_->file = file;
    if (info.channels <= 0 || info.samplerate < kMinRate || info.samplerate > kMaxRate ||
        info.frames < 0) {
      snd_.reset();
      return Fail(ErrorKind::Damaged, "it is damaged.");
    }
    snd_->fileChannels = info.channels;
    channels_ = std::min(info.channels, 2);
    rate_ = info.samplerate;
    // Some formats do not know their length: libsndfile says so with its largest count.
    frames_ = info.frames == SF_COUNT_MAX ? -1 : info.frames;
    return {};
  }
  const std::string reason = sf_strerror(nullptr);
  // libsndfile does not read this: FFmpeg may (AAC in MP4, and formats of a newer kind).
  QuietLibrary();
  auto av = std::make_unique<Ffmpeg>();
  if (const Result<void> opened = av->Open(utf8Path); !opened) {
    // The file is damaged only when FFmpeg recognised it and found it so; otherwise
    // libsndfile's reason stands.
    if (opened.error().kind == ErrorKind::Damaged) {
      return Fail(ErrorKind::Damaged, "it is damaged.");
    }
    return Fail(reason);
  }
  av_ = std::move(av);
  channels_ = av_->channels;
  rate_ = av_->rate;
  frames_ = av_->frames;
  return {};
}

int AudioDecoder::Read(float* out, int count) {
  if (count <= 0) return 0;
  if (av_) return av_->Read(out, count);
  if (!snd_) return 0;
  if (snd_->fileChannels == channels_) {
    const sf_count_t got = sf_readf_float(snd_->file, out, count);
    return got > 0 ? static_cast<int>(got) : 0;
  }
  // More than two channels: the first two are heard.
  snd_->raw.resize(static_cast<size_t>(count) * snd_->fileChannels);
  const sf_count_t got = sf_readf_float(snd_->file, snd_->raw.data(), count);
  for (sf_count_t i = 0; i < got; ++i) {
    for (int c = 0; c < channels_; ++c) {
      out[i * channels_ + c] = snd_->raw[i * snd_->fileChannels + c];
    }
  }
  return got > 0 ? static_cast<int>(got) : 0;
}

}  // namespace lrw
