#!/usr/bin/env python3
"""Writes files that try to make reading a show or a video still take as much memory
as it can:

- thumbnail-bomb.sho: 12 slides whose thumbnails are run-length BMPs declaring
  8192 x 8192 (a few hundred kilobytes each in the file, 256 MB each decoded);
- huge-frame.avi: one 16000 x 16000 PNG frame at 16 bits a channel (about 1.5 MB).

usage: bench/hostile_shows.py FOLDER
"""
import os
import struct
import sys
import zlib


def rle_bmp(width, height):
    # One end-of-line escape per two rows' worth of 256 pixels: just enough data for
    # the decoder's check that run-length data can fill what it declares.
    data = b"\x00\x00" * (width * height // 512 + 2)
    palette = b"\x00\x00\xff\x00" * 256
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data), 2835, 2835,
                       256, 0)
    offset = 14 + len(info) + len(palette)
    header = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    return header + info + palette + data


def slide_record(index):
    record = bytearray(1116)
    name = b"picture%d.jpg" % index
    record[0] = 0  # picture folder: empty
    record[256] = len(name)
    record[257:257 + len(name)] = name
    struct.pack_into("<I", record, 1112, 1)  # a thumbnail block follows
    return bytes(record)


def thumbnail_bomb(path, slides=12):
    signature = b"Lanternreelworks 4.0"
    header = bytearray(43)
    header[0] = len(signature)
    header[1:1 + len(signature)] = signature
    out = bytes(header) + b"\x01" + struct.pack("<I", 0)
    bmp = rle_bmp(8192, 8192)
    for i in range(slides):
        out += slide_record(i) + struct.pack("<I", len(bmp)) + bmp + b"\x01\x00"
    with open(path, "wb") as f:
        f.write(out)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(
        ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def solid_png16(width, height):
    ihdr = struct.pack(">IIBBBBB", width, height, 16, 2, 0, 0, 0)
    packer = zlib.compressobj(9)
    row = b"\x00" * (1 + width * 6)
    idat = b"".join(packer.compress(row) for _ in range(height)) + packer.flush()
    return b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) + png_chunk(b"IDAT", idat) + \
        png_chunk(b"IEND", b"")


def riff_chunk(kind, body):
    return kind + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def riff_list(kind, body):
    return riff_chunk(b"LIST", kind + body)


def png_avi(path, width, height):
    frame = solid_png16(width, height)
    avih = struct.pack("<IIIIIIIIII4I", 40000, 0, 0, 0x10, 1, 0, 1, len(frame), width, height,
                       0, 0, 0, 0)
    strh = b"vids" + b"MPNG" + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, 25, 0, 1,
                                           len(frame), 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHH4sIiiII", 40, width, height, 1, 48, b"MPNG", len(frame), 0, 0,
                       0, 0)
    hdrl = riff_chunk(b"avih", avih) + riff_list(b"strl", riff_chunk(b"strh", strh) +
                                                  riff_chunk(b"strf", strf))
    movi = riff_chunk(b"00dc", frame)
    idx1 = riff_chunk(b"idx1", b"00dc" + struct.pack("<III", 0x10, 4, len(frame)))
    body = b"AVI " + riff_list(b"hdrl", hdrl) + riff_list(b"movi", movi) + idx1
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    thumbnail_bomb(os.path.join(folder, "thumbnail-bomb.sho"))
    png_avi(os.path.join(folder, "huge-frame.avi"), 16000, 16000)


if __name__ == "__main__":
    main()
