// Reads a video file back with libavformat and libavcodec, independently of the exporter:
// its streams, duration, every decoded frame (those asked for as RGB bitmaps, converted by
// swscale) and its sound mixed to one channel.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "document/Bitmap.h"

namespace lrw::test {

struct ProbedVideo {
  bool ok = false;
  double duration = 0;  // of the container, seconds
  std::string videoCodec, audioCodec;
  int width = 0, height = 0;
  double fps = 0;
  bool bt709 = false;              // primaries, transfer and matrix tagged BT.709, video range
  int64_t frames = 0;              // decoded
  std::map<int64_t, Bitmap> kept;  // the frames asked for, by number
  int audioRate = 0, audioChannels = 0;
  std::vector<float> audio;  // mono
};

inline ProbedVideo ProbeVideo(const std::string& path, const std::set<int64_t>& keep = {}) {
  ProbedVideo out;
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return out;
  avformat_find_stream_info(format, nullptr);
  out.duration = format->duration > 0 ? format->duration / double(AV_TIME_BASE) : 0;
  AVCodecContext* decoders[2] = {nullptr, nullptr};
  int streams[2] = {-1, -1};
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    const AVCodecParameters* p = format->streams[i]->codecpar;
    const int kind = p->codec_type == AVMEDIA_TYPE_VIDEO   ? 0
                     : p->codec_type == AVMEDIA_TYPE_AUDIO ? 1
                                                           : -1;
    if (kind < 0 || streams[kind] >= 0) continue;
    streams[kind] = static_cast<int>(i);
    const AVCodec* codec = avcodec_find_decoder(p->codec_id);
    decoders[kind] = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoders[kind], p);
    avcodec_open2(decoders[kind], codec, nullptr);
    if (kind == 0) {
      out.videoCodec = avcodec_get_name(p->codec_id);
      out.width = p->width;
      out.height = p->height;
      out.fps = av_q2d(format->streams[i]->avg_frame_rate);
      out.bt709 = p->color_primaries == AVCOL_PRI_BT709 && p->color_trc == AVCOL_TRC_BT709 &&
                  p->color_space == AVCOL_SPC_BT709 && p->color_range == AVCOL_RANGE_MPEG;
    } else {
      out.audioCodec = avcodec_get_name(p->codec_id);
      out.audioRate = p->sample_rate;
      out.audioChannels = p->ch_layout.nb_channels;
    }
  }
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  const auto drain = [&](int kind) {
    while (avcodec_receive_frame(decoders[kind], frame) == 0) {
      if (kind == 0) {
        if (keep.count(out.frames)) {
          Bitmap bitmap(frame->width, frame->height);
          SwsContext* sws = sws_getContext(
              frame->width, frame->height, static_cast<AVPixelFormat>(frame->format), frame->width,
              frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC | SWS_FULL_CHR_H_INT | SWS_ACCURATE_RND,
              nullptr, nullptr, nullptr);
          const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
          sws_setColorspaceDetails(sws, bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
          uint8_t* planes[] = {reinterpret_cast<uint8_t*>(bitmap.pixels.data())};
          const int strides[] = {bitmap.width * 4};
          sws_scale(sws, frame->data, frame->linesize, 0, frame->height, planes, strides);
          sws_freeContext(sws);
          out.kept[out.frames] = std::move(bitmap);
        }
        ++out.frames;
      } else {
        const int channels = frame->ch_layout.nb_channels;
        const bool planar = av_sample_fmt_is_planar(static_cast<AVSampleFormat>(frame->format));
        for (int s = 0; s < frame->nb_samples; ++s) {
          float sum = 0;
          for (int c = 0; c < channels; ++c) {
            sum += planar
                       ? reinterpret_cast<const float*>(frame->extended_data[c])[s]
                       : reinterpret_cast<const float*>(frame->extended_data[0])[s * channels + c];
          }
          out.audio.push_back(sum / channels);
        }
      }
      av_frame_unref(frame);
    }
  };
  while (av_read_frame(format, packet) >= 0) {
    for (int kind = 0; kind < 2; ++kind) {
      if (packet->stream_index == streams[kind] && decoders[kind]) {
        avcodec_send_packet(decoders[kind], packet);
        drain(kind);
      }
    }
    av_packet_unref(packet);
  }
  for (int kind = 0; kind < 2; ++kind) {
    if (!decoders[kind]) continue;
    avcodec_send_packet(decoders[kind], nullptr);
    drain(kind);
    avcodec_free_context(&decoders[kind]);
  }
  av_frame_free(&frame);
  av_packet_free(&packet);
  avformat_close_input(&format);
  out.ok = streams[0] >= 0;
  return out;
}

// Peak signal-to-noise ratio of two bitmaps of one size over R, G and B, in dB.
inline double Psnr(const Bitmap& a, const Bitmap& b) {
  double squared = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const double d = double((a.pixels[i] >> shift) & 255) - double((b.pixels[i] >> shift) & 255);
      squared += d * d;
    }
  }
  const double mse = squared / (3.0 * a.pixels.size());
  return mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : 99;
}

}  // namespace lrw::test
