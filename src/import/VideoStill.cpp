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

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using DecoderPtr = std::unique_ptr<AVCodecContext, CodecFreer>;

// The still's size must be one a slide can hold, and one decoded whole.
Result<void> CheckFrameSize(int width, int height) {
  if (const Result<void> size = CheckDecodedSize(width, height); !size) {
    return Fail("The first frame of the AVI file cannot be used: " + size.error().message);
  }
  return {};
}

Result<Bitmap> ToBitmap(const AVFrame& frame) {
  if (Result<void> size = CheckFrameSize(frame.width, frame.height); !size) {
    return Fail(size.error());
  }
  const auto format = static_cast<AVPixelFormat>(frame.format);
  std::unique_ptr<SwsContext, ScaleFreer> scale(
      sws_getContext(frame.width, frame.height, format, frame.width, frame.height, AV_PIX_FMT_BGRA,
                     SWS_POINT, nullptr, nullptr, nullptr));
  if (!scale) return Fail(kVideoNoFrameError);
  Bitmap bitmap(frame.width, frame.height);
  // BGRA bytes are 0xAARRGGBB words on this little-endian layout.
  uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(bitmap.pixels.data()), nullptr, nullptr,
                        nullptr};
  int strides[4] = {frame.width * 4, 0, 0, 0};
  sws_scale(scale.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
  for (uint32_t& p : bitmap.pixels) p |= 0xFF000000u;
  return bitmap;
}

// The file opened and its streams probed.
Result<FormatPtr> OpenVideo(const std::string& path) {
  AVFormatContext* rawFormat = nullptr;
  if (avformat_open_input(&rawFormat, path.c_str(), nullptr, nullptr) < 0) {
    return Fail(kVideoOpenError);
  }
  FormatPtr format(rawFormat);
  // The stream probe decodes a frame of each stream: the sizes the container declares
  // are checked before it, and its decoders get the same pixel limit as ours, so that a
  // huge frame is refused at the cost of reading a header.
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    const AVCodecParameters* p = format->streams[i]->codecpar;
    if (p->codec_type == AVMEDIA_TYPE_VIDEO && p->width > 0 && p->height > 0) {
      if (Result<void> size = CheckFrameSize(p->width, p->height); !size) {
        return Fail(size.error());
      }
    }
  }
  std::vector<AVDictionary*> probeOptions(format->nb_streams, nullptr);
  for (AVDictionary*& options : probeOptions) {
    av_dict_set_int(&options, "max_pixels", kDecoderMaxPixels, 0);
  }
  const int probed = avformat_find_stream_info(format.get(), probeOptions.data());
  for (AVDictionary*& options : probeOptions) av_dict_free(&options);
  if (probed < 0) return Fail(kVideoOpenError);
  return format;
}

// The first video stream that is not a cover picture; -1 when there is none.
int FirstVideoStream(const AVFormatContext& format) {
  for (unsigned i = 0; i < format.nb_streams; ++i) {
    const AVStream* s = format.streams[i];
    if (s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
        !(s->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

Result<DecoderPtr> OpenDecoder(const AVCodecParameters& parameters) {
  const AVCodec* codec = avcodec_find_decoder(parameters.codec_id);
  if (!codec) return Fail(kVideoFrameOpenError);
  DecoderPtr decoder(avcodec_alloc_context3(codec));
  if (!decoder || avcodec_parameters_to_context(decoder.get(), &parameters) < 0) {
    return Fail(kVideoFrameOpenError);
  }
  decoder->thread_count = 1;
  // Whatever the stream declared, no frame larger than one decode may hold is made.
  decoder->max_pixels = kDecoderMaxPixels;
  // A damaged frame is an error, not a picture with its missing part filled in.
  decoder->err_recognition |= AV_EF_EXPLODE;
  if (parameters.width > 0 && parameters.height > 0) {
    if (Result<void> size = CheckFrameSize(parameters.width, parameters.height); !size) {
      return Fail(size.error());
    }
  }
  if (avcodec_open2(decoder.get(), codec, nullptr) < 0) return Fail(kVideoFrameOpenError);
  return decoder;
}

// The first frame `decoder` makes of the packets of stream `index`.
Result<Bitmap> DecodeFirstFrame(AVFormatContext& format, int index, AVCodecContext& decoder) {
  std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
  std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
  if (!packet || !frame) return Fail(kVideoFrameOpenError);

  // A frame the decoder had to patch up (its data cut off or damaged) is refused, as a
  // cut-off picture is.
  const auto still = [&frame]() -> Result<Bitmap> {
    if (frame->decode_error_flags != 0 || (frame->flags & AV_FRAME_FLAG_CORRUPT)) {
      return Fail(kVideoNoFrameError);
    }
    return ToBitmap(*frame);
  };
  bool anyPacket = false;
  for (int n = 0; n < kMaxPackets; ++n) {
    const int r = av_read_frame(&format, packet.get());
    if (r < 0) {
      // End of the file: the decoder may still hold the frame.
      avcodec_send_packet(&decoder, nullptr);
      if (avcodec_receive_frame(&decoder, frame.get()) == 0) return still();
      break;
    }
    if (packet->stream_index != index) {
      av_packet_unref(packet.get());
      continue;
    }
    anyPacket = true;
    // A packet shorter than the file said (the file ends inside it).
    const bool cut = packet->flags & AV_PKT_FLAG_CORRUPT;
    const int sent = avcodec_send_packet(&decoder, packet.get());
    av_packet_unref(packet.get());
    if (cut || (sent < 0 && sent != AVERROR(EAGAIN))) return Fail(kVideoNoFrameError);
    if (avcodec_receive_frame(&decoder, frame.get()) == 0) return still();
  }
  // A stream without a single packet cannot begin; one whose packets give no
  // frame is damaged.
  return Fail(anyPacket ? kVideoNoFrameError : kVideoBeginError);
}

}  // namespace

Result<Bitmap> ReadVideoStill(const std::string& path) {
  QuietLibraries();
  Result<FormatPtr> format = OpenVideo(path);
  if (!format) return Fail(format.error());
  const int index = FirstVideoStream(**format);
  if (index < 0) return Fail(kVideoNoStreamError);
  Result<DecoderPtr> decoder = OpenDecoder(*(*format)->streams[index]->codecpar);
  if (!decoder) return Fail(decoder.error());
  for (unsigned i = 0; i < (*format)->nb_streams; ++i) {
    if (static_cast<int>(i) != index) (*format)->streams[i]->discard = AVDISCARD_ALL;
  }
  return DecodeFirstFrame(**format, index, **decoder);
}

}  // namespace lrw
