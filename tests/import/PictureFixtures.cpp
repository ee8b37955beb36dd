#include "PictureFixtures.h"

#include "import/GraphicsMagickDecoder.h"

#include <Magick++.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace lrw::test {
namespace {

class Bytes {
 public:
  std::vector<uint8_t> data;
  void U8(unsigned v) { data.push_back(static_cast<uint8_t>(v)); }
  void U16LE(unsigned v) {
    U8(v & 0xFF);
    U8((v >> 8) & 0xFF);
  }
  void U16BE(unsigned v) {
    U8((v >> 8) & 0xFF);
    U8(v & 0xFF);
  }
  void U32LE(uint32_t v) {
    U16LE(v & 0xFFFF);
    U16LE(v >> 16);
  }
  void U32BE(uint32_t v) {
    U16BE(v >> 16);
    U16BE(v & 0xFFFF);
  }
  void Text(const std::string& s) { data.insert(data.end(), s.begin(), s.end()); }
  void Append(const std::vector<uint8_t>& b) { data.insert(data.end(), b.begin(), b.end()); }
  void Zeros(size_t n) { data.insert(data.end(), n, 0); }
  void PutU32LE(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) data[at + i] = static_cast<uint8_t>(v >> (8 * i));
  }
  void PutU32BE(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) data[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
  }
};

uint8_t R(uint32_t p) {
  return (p >> 16) & 0xFF;
}
uint8_t G(uint32_t p) {
  return (p >> 8) & 0xFF;
}
uint8_t B(uint32_t p) {
  return p & 0xFF;
}

// Bit planes of one row: plane p's bytes hold bit p of each index, MSB first.
std::vector<uint8_t> PlaneRow(const IndexedPicture& p, int y, int plane, size_t bytes) {
  std::vector<uint8_t> row(bytes, 0);
  for (int x = 0; x < p.width; ++x) {
    if ((p.At(x, y) >> plane) & 1) row[static_cast<size_t>(x) >> 3] |= 0x80 >> (x & 7);
  }
  return row;
}

// PackBits / ByteRun1.
std::vector<uint8_t> PackBits(const std::vector<uint8_t>& in) {
  std::vector<uint8_t> out;
  size_t i = 0;
  while (i < in.size()) {
    size_t run = 1;
    while (i + run < in.size() && run < 128 && in[i + run] == in[i]) ++run;
    if (run >= 3) {
      out.push_back(static_cast<uint8_t>(1 - static_cast<int>(run)));
      out.push_back(in[i]);
      i += run;
      continue;
    }
    size_t lit = 0;
    while (i + lit < in.size() && lit < 128) {
      if (i + lit + 2 < in.size() && in[i + lit] == in[i + lit + 1] &&
          in[i + lit] == in[i + lit + 2])
        break;
      ++lit;
    }
    out.push_back(static_cast<uint8_t>(lit - 1));
    out.insert(out.end(), in.begin() + static_cast<long>(i),
               in.begin() + static_cast<long>(i + lit));
    i += lit;
  }
  return out;
}

void Chunk(Bytes& out, const std::string& id, const std::vector<uint8_t>& body) {
  out.Text(id);
  out.U32BE(static_cast<uint32_t>(body.size()));
  out.Append(body);
  if (body.size() & 1) out.U8(0);
}

}  // namespace

Bitmap IndexedPicture::ToBitmap() const {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.at(x, y) = palette[At(x, y)];
  return b;
}

IndexedPicture Quadrants(int width, int height, std::vector<uint32_t> palette) {
  IndexedPicture p;
  p.width = width;
  p.height = height;
  p.palette = std::move(palette);
  p.index.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      p.index[static_cast<size_t>(y) * width + x] =
          static_cast<uint8_t>((x >= width / 2 ? 1 : 0) + (y >= height / 2 ? 2 : 0));
  return p;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteWithMagick(const Bitmap& picture, const std::string& path, const std::string& magick) {
  StartGraphicsMagick();
  Magick::Image image(static_cast<unsigned>(picture.width), static_cast<unsigned>(picture.height),
                      "BGRA", Magick::CharPixel, picture.pixels.data());
  image.matte(false);
  image.quality(95);
  image.write(magick + ":" + path);
}

std::vector<uint8_t> IlbmFile(const IndexedPicture& p, int planes, bool compress, uint32_t camg,
                              bool chunky) {
  Bytes bmhd;
  bmhd.U16BE(p.width);
  bmhd.U16BE(p.height);
  bmhd.U32BE(0);
  bmhd.U8(chunky ? 8 : planes);
  bmhd.U8(0);
  bmhd.U8(compress ? 1 : 0);
  bmhd.U8(0);
  bmhd.U16BE(0);
  bmhd.U8(10);
  bmhd.U8(11);
  bmhd.U16BE(p.width);
  bmhd.U16BE(p.height);
  Bytes cmap;
  for (uint32_t c : p.palette) {
    cmap.U8(R(c));
    cmap.U8(G(c));
    cmap.U8(B(c));
  }
  Bytes body;
  for (int y = 0; y < p.height; ++y) {
    std::vector<uint8_t> row;
    if (chunky) {
      for (int x = 0; x < p.width; ++x) row.push_back(p.At(x, y));
      if (p.width & 1) row.push_back(0);
    } else {
      const size_t bytes = static_cast<size_t>((p.width + 15) / 16) * 2;
      for (int plane = 0; plane < planes; ++plane) {
        const auto r = PlaneRow(p, y, plane, bytes);
        row.insert(row.end(), r.begin(), r.end());
      }
    }
    body.Append(compress ? PackBits(row) : row);
  }
  Bytes form;
  form.Text(chunky ? "PBM " : "ILBM");
  Chunk(form, "BMHD", bmhd.data);
  Chunk(form, "CMAP", cmap.data);
  if (camg) {
    Bytes c;
    c.U32BE(camg);
    Chunk(form, "CAMG", c.data);
  }
  Chunk(form, "BODY", body.data);
  Bytes file;
  file.Text("FORM");
  file.U32BE(static_cast<uint32_t>(form.data.size()));
  file.Append(form.data);
  return file.data;
}

std::vector<uint8_t> GemImgFile(const IndexedPicture& p, int planes) {
  Bytes f;
  f.U16BE(1);
  f.U16BE(8);
  f.U16BE(planes);
  f.U16BE(2);  // pattern length
  f.U16BE(85);
  f.U16BE(85);
  f.U16BE(p.width);
  f.U16BE(p.height);
  const size_t bytes = static_cast<size_t>((p.width + 7) / 8);
  auto planeLine = [&](int y, int plane) { return PlaneRow(p, y, plane, bytes); };
  int y = 0;
  while (y < p.height) {
    // Identical lines are written once with a vertical replication count.
    int same = 1;
    while (y + same < p.height && same < 255) {
      bool equal = true;
      for (int x = 0; x < p.width; ++x) equal = equal && p.At(x, y) == p.At(x, y + same);
      if (!equal) break;
      ++same;
    }
    if (same > 1) {
      f.U8(0);
      f.U8(0);
      f.U8(0xFF);
      f.U8(same);
    }
    for (int plane = 0; plane < planes; ++plane) {
      const auto line = planeLine(y, plane);
      size_t i = 0;
      while (i < line.size()) {
        size_t run = 1;
        while (i + run < line.size() && line[i + run] == line[i] && run < 127) ++run;
        if ((line[i] == 0 || line[i] == 0xFF) && run >= 1) {
          f.U8(static_cast<uint8_t>(run | (line[i] ? 0x80 : 0)));  // solid run
        } else if (run >= 4 && run % 2 == 0) {
          f.U8(0);
          f.U8(static_cast<uint8_t>(run / 2));  // pattern run of the two-byte pattern
          f.U8(line[i]);
          f.U8(line[i]);
        } else {
          f.U8(0x80);
          f.U8(static_cast<uint8_t>(run));
          for (size_t k = 0; k < run; ++k) f.U8(line[i]);
        }
        i += run;
      }
    }
    y += same;
  }
  return f.data;
}

std::vector<uint8_t> MspFile(const IndexedPicture& p, int version) {
  const size_t bytes = static_cast<size_t>((p.width + 7) / 8);
  Bytes f;
  f.Text(version == 1 ? "DanM" : "LinS");
  f.U16LE(p.width);
  f.U16LE(p.height);
  for (int i = 0; i < 4; ++i) f.U16LE(1);
  f.U16LE(p.width);
  f.U16LE(p.height);
  f.U16LE(0);
  f.U16LE(0);
  unsigned check = 0;
  for (size_t i = 0; i < 24; i += 2) check ^= f.data[i] | (f.data[i + 1] << 8);
  f.U16LE(check);
  f.Zeros(6);
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < p.height; ++y) rows.push_back(PlaneRow(p, y, 0, bytes));
  if (version == 1) {
    for (const auto& r : rows) f.Append(r);
    return f.data;
  }
  std::vector<std::vector<uint8_t>> packed;
  for (const auto& r : rows) {
    std::vector<uint8_t> out;
    size_t i = 0;
    while (i < r.size()) {
      size_t run = 1;
      while (i + run < r.size() && r[i + run] == r[i] && run < 255) ++run;
      if (run >= 3) {
        out.insert(out.end(), {0, static_cast<uint8_t>(run), r[i]});
      } else {
        out.push_back(static_cast<uint8_t>(run));
        out.insert(out.end(), run, r[i]);
      }
      i += run;
    }
    packed.push_back(out);
  }
  for (const auto& r : packed) f.U16LE(static_cast<unsigned>(r.size()));
  for (const auto& r : packed) f.Append(r);
  return f.data;
}

std::vector<uint8_t> PcPaintPicFile(const IndexedPicture& p, bool planar, bool compress) {
  Bytes f;
  f.U16LE(0x1234);
  f.U16LE(p.width);
  f.U16LE(p.height);
  f.U16LE(0);
  f.U16LE(0);
  f.U8(planar ? 0x31 : 0x08);
  f.U8(0xFF);
  f.U8(planar ? 'G' : 'L');
  const size_t colours = planar ? 16 : 256;
  f.U16LE(planar ? 5 : 4);
  f.U16LE(static_cast<unsigned>(colours * 3));
  for (size_t i = 0; i < colours; ++i) {
    const uint32_t c = i < p.palette.size() ? p.palette[i] : 0;
    f.U8(R(c) >> 2);  // six-bit VGA values
    f.U8(G(c) >> 2);
    f.U8(B(c) >> 2);
  }
  std::vector<uint8_t> pixels;
  if (planar) {
    const size_t bytes = static_cast<size_t>((p.width + 7) / 8);
    for (int plane = 0; plane < 4; ++plane)
      for (int y = p.height - 1; y >= 0; --y) {
        const auto r = PlaneRow(p, y, plane, bytes);
        pixels.insert(pixels.end(), r.begin(), r.end());
      }
  } else {
    for (int y = p.height - 1; y >= 0; --y)
      for (int x = 0; x < p.width; ++x) pixels.push_back(p.At(x, y));
  }
  if (!compress) {
    f.U16LE(0);
    f.Append(pixels);
    return f.data;
  }
  const uint8_t marker = 0xAB;
  std::vector<std::vector<uint8_t>> blocks;
  for (size_t start = 0; start < pixels.size(); start += 4000) {
    const size_t end = std::min(pixels.size(), start + 4000);
    std::vector<uint8_t> b;
    size_t i = start;
    while (i < end) {
      size_t run = 1;
      while (i + run < end && pixels[i + run] == pixels[i] && run < 60000) ++run;
      if (run >= 4 || pixels[i] == marker) {
        b.push_back(marker);
        if (run < 256) {
          b.push_back(static_cast<uint8_t>(run));
        } else {
          b.push_back(0);
          b.push_back(run & 0xFF);
          b.push_back(static_cast<uint8_t>(run >> 8));
        }
        b.push_back(pixels[i]);
        i += run;
      } else {
        b.push_back(pixels[i++]);
      }
    }
    Bytes block;
    block.U16LE(static_cast<unsigned>(b.size() + 5));
    block.U16LE(static_cast<unsigned>(end - start));
    block.U8(marker);
    block.Append(b);
    blocks.push_back(block.data);
  }
  f.U16LE(static_cast<unsigned>(blocks.size()));
  for (const auto& b : blocks) f.Append(b);
  return f.data;
}

std::vector<uint8_t> MacPaintFile(const IndexedPicture& p) {
  Bytes f;
  f.U32BE(2);
  f.Zeros(508);
  for (int y = 0; y < 720; ++y) {
    std::vector<uint8_t> row(72, 0);
    for (int x = 0; x < 576; ++x)
      if (p.At(x * p.width / 576, y * p.height / 720) == 1) row[x >> 3] |= 0x80 >> (x & 7);
    f.Append(PackBits(row));
  }
  return f.data;
}

std::vector<uint8_t> IconFile(const Bitmap& p, bool cursor) {
  const size_t maskRow = static_cast<size_t>(((p.width + 31) / 32) * 4);
  const size_t imageSize = 40 + static_cast<size_t>(p.width) * p.height * 4 + maskRow * p.height;
  Bytes f;
  f.U16LE(0);
  f.U16LE(cursor ? 2 : 1);
  f.U16LE(1);
  f.U8(p.width);
  f.U8(p.height);
  f.U8(0);
  f.U8(0);
  f.U16LE(cursor ? 0 : 1);  // planes, or the hot spot of a cursor
  f.U16LE(cursor ? 0 : 32);
  f.U32LE(static_cast<uint32_t>(imageSize));
  f.U32LE(22);
  f.U32LE(40);
  f.U32LE(p.width);
  f.U32LE(p.height * 2);
  f.U16LE(1);
  f.U16LE(32);
  f.U32LE(0);
  f.U32LE(0);
  f.Zeros(16);
  for (int y = p.height - 1; y >= 0; --y)
    for (int x = 0; x < p.width; ++x) f.U32LE(p.at(x, y) | 0xFF000000u);
  f.Zeros(maskRow * p.height);
  return f.data;
}

std::vector<uint8_t> Rle8BmpFile(const IndexedPicture& p) {
  Bytes data;
  for (int y = p.height - 1; y >= 0; --y) {
    int x = 0;
    while (x < p.width) {
      int run = 1;
      while (x + run < p.width && p.At(x + run, y) == p.At(x, y) && run < 255) ++run;
      data.U8(run);
      data.U8(p.At(x, y));
      x += run;
    }
    data.U8(0);
    data.U8(0);
  }
  data.U8(0);
  data.U8(1);
  const uint32_t paletteBytes = static_cast<uint32_t>(p.palette.size() * 4);
  Bytes f;
  f.Text("BM");
  f.U32LE(static_cast<uint32_t>(14 + 40 + paletteBytes + data.data.size()));
  f.U32LE(0);
  f.U32LE(14 + 40 + paletteBytes);
  f.U32LE(40);
  f.U32LE(p.width);
  f.U32LE(p.height);
  f.U16LE(1);
  f.U16LE(8);
  f.U32LE(1);  // BI_RLE8
  f.U32LE(static_cast<uint32_t>(data.data.size()));
  f.U32LE(2835);
  f.U32LE(2835);
  f.U32LE(static_cast<uint32_t>(p.palette.size()));
  f.U32LE(0);
  for (uint32_t c : p.palette) f.U32LE(c & 0xFFFFFF);
  f.Append(data.data);
  return f.data;
}

std::vector<uint8_t> HrzFile(const Bitmap& p) {
  Bytes f;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 256; ++x) {
      const uint32_t c = p.at(x * p.width / 256, y * p.height / 240);
      f.U8(R(c) >> 2);
      f.U8(G(c) >> 2);
      f.U8(B(c) >> 2);
    }
  return f.data;
}

std::vector<uint8_t> DrHaloCutFile(const IndexedPicture& p) {
  Bytes f;
  f.U16LE(p.width);
  f.U16LE(p.height);
  f.U16LE(0);
  for (int y = 0; y < p.height; ++y) {
    Bytes line;
    int x = 0;
    while (x < p.width) {
      int run = 1;
      while (x + run < p.width && p.At(x + run, y) == p.At(x, y) && run < 127) ++run;
      line.U8(0x80 | run);
      line.U8(p.At(x, y));
      x += run;
    }
    line.U8(0);
    f.U16LE(static_cast<unsigned>(line.data.size()));
    f.Append(line.data);
  }
  return f.data;
}

std::vector<uint8_t> WpgFile(const IndexedPicture& p) {
  auto record = [](Bytes& f, unsigned type, const std::vector<uint8_t>& body) {
    f.U8(type);
    if (body.size() < 0xFF) {
      f.U8(static_cast<unsigned>(body.size()));
    } else {
      f.U8(0xFF);
      f.U16LE(static_cast<unsigned>(body.size()));
    }
    f.Append(body);
  };
  Bytes f;
  f.U8(0xFF);
  f.Text("WPC");
  f.U32LE(16);
  f.U8(1);
  f.U8(0x16);
  f.U8(1);
  f.U8(0);
  f.U16LE(0);
  f.U16LE(0);
  Bytes start;
  start.U8(1);
  start.U8(0);
  start.U16LE(p.width);
  start.U16LE(p.height);
  record(f, 0x0F, start.data);
  Bytes palette;
  palette.U16LE(0);
  palette.U16LE(static_cast<unsigned>(p.palette.size()));
  for (uint32_t c : p.palette) {
    palette.U8(R(c));
    palette.U8(G(c));
    palette.U8(B(c));
  }
  record(f, 0x0E, palette.data);
  Bytes bitmap;
  bitmap.U16LE(p.width);
  bitmap.U16LE(p.height);
  bitmap.U16LE(8);
  bitmap.U16LE(75);
  bitmap.U16LE(75);
  for (int y = 0; y < p.height; ++y) {
    int x = 0;
    while (x < p.width) {
      const int n = std::min(127, p.width - x);
      bitmap.U8(n);  // literal bytes
      for (int k = 0; k < n; ++k) bitmap.U8(p.At(x + k, y));
      x += n;
    }
  }
  record(f, 0x0B, bitmap.data);
  record(f, 0x10, {});
  return f.data;
}

std::vector<uint8_t> WmfFile(int width, int height, uint32_t fill) {
  Bytes f;
  f.U32LE(0x9AC6CDD7u);
  f.U16LE(0);
  f.U16LE(0);
  f.U16LE(0);
  f.U16LE(width);
  f.U16LE(height);
  f.U16LE(72);
  f.U32LE(0);
  unsigned check = 0;
  for (size_t i = 0; i < 20; i += 2) check ^= f.data[i] | (f.data[i + 1] << 8);
  f.U16LE(check);
  const size_t header = f.data.size();
  f.U16LE(1);
  f.U16LE(9);
  f.U16LE(0x0300);
  f.U32LE(0);  // size in words, filled in below
  f.U16LE(1);
  f.U32LE(7);
  f.U16LE(0);
  auto rec = [&](unsigned fn, std::vector<unsigned> params) {
    f.U32LE(static_cast<uint32_t>(3 + params.size()));
    f.U16LE(fn);
    for (unsigned v : params) f.U16LE(v);
  };
  rec(0x020B, {0, 0});
  rec(0x020C, {static_cast<unsigned>(height), static_cast<unsigned>(width)});
  const uint32_t colorRef = (B(fill) << 16) | (G(fill) << 8) | R(fill);
  rec(0x02FC, {0, colorRef & 0xFFFF, colorRef >> 16, 0});
  rec(0x012D, {0});
  rec(0x041B, {static_cast<unsigned>(height), static_cast<unsigned>(width), 0, 0});
  rec(0x0000, {});
  f.PutU32LE(header + 6, static_cast<uint32_t>((f.data.size() - header) / 2));
  return f.data;
}

void WriteAvi(const std::string& path, int width, int height, int frames, bool withVideo) {
  AVFormatContext* oc = nullptr;
  avformat_alloc_output_context2(&oc, nullptr, "avi", path.c_str());
  if (!oc) throw std::runtime_error("no avi muxer");
  const AVCodec* codec =
      avcodec_find_encoder(withVideo ? AV_CODEC_ID_MPEG4 : AV_CODEC_ID_PCM_S16LE);
  AVStream* st = avformat_new_stream(oc, nullptr);
  AVCodecContext* c = avcodec_alloc_context3(codec);
  if (withVideo) {
    c->width = width;
    c->height = height;
    c->time_base = {1, 25};
    c->framerate = {25, 1};
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->gop_size = 10;
    c->bit_rate = 2000000;
  } else {
    c->sample_rate = 8000;
    c->sample_fmt = AV_SAMPLE_FMT_S16;
    av_channel_layout_default(&c->ch_layout, 1);
    c->time_base = {1, 8000};
  }
  if (oc->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(c, codec, nullptr) < 0) throw std::runtime_error("encoder");
  avcodec_parameters_from_context(st->codecpar, c);
  st->time_base = c->time_base;
  avio_open(&oc->pb, path.c_str(), AVIO_FLAG_WRITE);
  if (avformat_write_header(oc, nullptr) < 0) throw std::runtime_error("header");
  AVFrame* frame = av_frame_alloc();
  AVPacket* pkt = av_packet_alloc();
  auto drain = [&](AVFrame* f) {
    avcodec_send_frame(c, f);
    while (avcodec_receive_packet(c, pkt) == 0) {
      av_packet_rescale_ts(pkt, c->time_base, st->time_base);
      pkt->stream_index = st->index;
      av_interleaved_write_frame(oc, pkt);
    }
  };
  if (withVideo) {
    frame->format = c->pix_fmt;
    frame->width = width;
    frame->height = height;
    av_frame_get_buffer(frame, 0);
    const Bitmap first = Quadrants(width, height, {kRed, kGreen, kBlue, kWhite}).ToBitmap();
    SwsContext* sws = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height,
                                     AV_PIX_FMT_YUV420P, SWS_POINT, nullptr, nullptr, nullptr);
    for (int i = 0; i < frames; ++i) {
      av_frame_make_writable(frame);
      Bitmap b = first;
      if (i > 0) std::fill(b.pixels.begin(), b.pixels.end(), kBlack);
      const uint8_t* src[1] = {reinterpret_cast<const uint8_t*>(b.pixels.data())};
      const int stride[1] = {width * 4};
      sws_scale(sws, src, stride, 0, height, frame->data, frame->linesize);
      frame->pts = i;
      drain(frame);
    }
    sws_freeContext(sws);
  } else {
    frame->format = c->sample_fmt;
    av_channel_layout_copy(&frame->ch_layout, &c->ch_layout);
    frame->nb_samples = c->frame_size > 0 ? c->frame_size : 800;
    av_frame_get_buffer(frame, 0);
    for (int i = 0; i < 10; ++i) {
      av_frame_make_writable(frame);
      std::fill(frame->data[0], frame->data[0] + frame->nb_samples * 2, 0);
      frame->pts = i * frame->nb_samples;
      drain(frame);
    }
  }
  drain(nullptr);
  av_write_trailer(oc);
  av_frame_free(&frame);
  av_packet_free(&pkt);
  avcodec_free_context(&c);
  avio_closep(&oc->pb);
  avformat_free_context(oc);
}

TempDir::TempDir() {
  char tmpl[] = "/tmp/lrw-import-XXXXXX";
  if (!mkdtemp(tmpl)) throw std::runtime_error("mkdtemp");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

int ColorDistance(uint32_t a, uint32_t b) {
  return std::max({std::abs(R(a) - R(b)), std::abs(G(a) - G(b)), std::abs(B(a) - B(b))});
}

}  // namespace lrw::test
