#include "import/VideoStill.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <mutex>
#include <vector>

#include "import/DecodedPicture.h"

namespace lrw {
namespace {

// The decoders' own pixel limit: ours, with room for the padding they add to a frame's
// width, so that every frame our limit admits is decoded.
constexpr int64_t kDecoderMaxPixels = kMaxDecodedPixels + kMaxDecodedPixels / 16;

// Packets read while looking for the first frame: a stream that yields nothing
// within these is treated as undecodable instead of being read to its end.
constexpr int kMaxPackets = 2000;

struct FormatCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFreer {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFreer {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScaleFreer {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};

void QuietLibraries() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

// The still's size must be one a slide can hold, and one decoded whole.
void CheckFrameSize(int width, int height) {
  try {
    CheckDecodedSize(width, height);
  } catch (const DecodeError& e) {
    throw DecodeError(std::string("The first frame of the AVI file cannot be used: ") + e.what());
  }
}

Bitmap ToBitmap(const AVFrame& frame) {
  CheckFrameSize(frame.width, frame.height);
  const auto format = static_cast<AVPixelFormat>(frame.format);
  std::unique_ptr<SwsContext, ScaleFreer> scale(
      sws_getContext(frame.width, frame.height, format, frame.width, frame.height, AV_PIX_FMT_BGRA,
                     SWS_POINT, nullptr, nullptr, nullptr));
  if (!scale) throw DecodeError(kVideoNoFrameError);
  Bitmap bitmap(frame.width, frame.height);
  // BGRA bytes are 0xAARRGGBB words on this little-endian layout.
  uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(bitmap.pixels.data()), nullptr, nullptr,
                        nullptr};
  int strides[4] = {frame.width * 4, 0, 0, 0};
  sws_scale(scale.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
  for (uint32_t& p : bitmap.pixels) p |= 0xFF000000u;
  return bitmap;
}

}  // namespace

Bitmap ReadVideoStill(const std::string& path) {
  QuietLibraries();
  AVFormatContext* rawFormat = nullptr;
  if (avformat_open_input(&rawFormat, path.c_str(), nullptr, nullptr) < 0) {
    throw DecodeError(kVideoOpenError);
  }
  std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);
  // The stream probe decodes a frame of each stream: the sizes the container declares
  // are checked before it, and its decoders get the same pixel limit as ours, so that a
  // huge frame is refused at the cost of reading a header.
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    const AVCodecParameters* p = format->streams[i]->codecpar;
    if (p->codec_type == AVMEDIA_TYPE_VIDEO && p->width > 0 && p->height > 0) {
      CheckFrameSize(p->width, p->height);
    }
  }
  std::vector<AVDictionary*> probeOptions(format->nb_streams, nullptr);
  for (AVDictionary*& options : probeOptions) {
    av_dict_set_int(&options, "max_pixels", kDecoderMaxPixels, 0);
  }
  const int probed = avformat_find_stream_info(format.get(), probeOptions.data());
  for (AVDictionary*& options : probeOptions) av_dict_free(&options);
  if (probed < 0) throw DecodeError(kVideoOpenError);

  int index = -1;
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    const AVStream* s = format->streams[i];
    if (s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
        !(s->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
      index = static_cast<int>(i);
      break;
    }
  }
  if (index < 0) throw DecodeError(kVideoNoStreamError);
  const AVCodecParameters* parameters = format->streams[index]->codecpar;

  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  if (!codec) throw DecodeError(kVideoFrameOpenError);
  std::unique_ptr<AVCodecContext, CodecFreer> decoder(avcodec_alloc_context3(codec));
  if (!decoder || avcodec_parameters_to_context(decoder.get(), parameters) < 0) {
    throw DecodeError(kVideoFrameOpenError);
  }
  decoder->thread_count = 1;
  // Whatever the stream declared, no frame larger than one decode may hold is made.
  decoder->max_pixels = kDecoderMaxPixels;
  // A damaged frame is an error, not a picture with its missing part filled in.
  decoder->err_recognition |= AV_EF_EXPLODE;
  if (parameters->width > 0 && parameters->height > 0) {
    CheckFrameSize(parameters->width, parameters->height);
  }
  if (avcodec_open2(decoder.get(), codec, nullptr) < 0) throw DecodeError(kVideoFrameOpenError);

  for (unsigned i = 0; i < format->nb_streams; ++i) {
    if (static_cast<int>(i) != index) format->streams[i]->discard = AVDISCARD_ALL;
  }
  std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
  std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
  if (!packet || !frame) throw DecodeError(kVideoFrameOpenError);

  // A frame the decoder had to patch up (its data cut off or damaged) is refused, as a
  // cut-off picture is.
  const auto still = [&frame]() {
    if (frame->decode_error_flags != 0 || (frame->flags & AV_FRAME_FLAG_CORRUPT)) {
      throw DecodeError(kVideoNoFrameError);
    }
    return ToBitmap(*frame);
  };
  bool anyPacket = false;
  for (int n = 0; n < kMaxPackets; ++n) {
    const int r = av_read_frame(format.get(), packet.get());
    if (r < 0) {
      // End of the file: the decoder may still hold the frame.
      avcodec_send_packet(decoder.get(), nullptr);
      if (avcodec_receive_frame(decoder.get(), frame.get()) == 0) return still();
      break;
    }
    if (packet->stream_index != index) {
      av_packet_unref(packet.get());
      continue;
    }
    anyPacket = true;
    // A packet shorter than the file said (the file ends inside it).
    const bool cut = packet->flags & AV_PKT_FLAG_CORRUPT;
    const int sent = avcodec_send_packet(decoder.get(), packet.get());
    av_packet_unref(packet.get());
    if (cut || (sent < 0 && sent != AVERROR(EAGAIN))) throw DecodeError(kVideoNoFrameError);
    if (avcodec_receive_frame(decoder.get(), frame.get()) == 0) return still();
  }
  // A stream without a single packet cannot begin; one whose packets give no
  // frame is damaged.
  throw DecodeError(anyPacket ? kVideoNoFrameError : kVideoBeginError);
}

}  // namespace lrw
