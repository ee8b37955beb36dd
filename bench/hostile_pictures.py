#!/usr/bin/env python3
"""Writes pictures that try to make a decoder take as much memory as it can.

Two kinds: small files that declare a huge picture (the data cannot fill it, so a
decoder must refuse them before allocating), and complete pictures of the largest size
a decoder may accept, whose data is tiny because every pixel is the same. For JPEG, a
progressive picture whose coefficients are all zero: libjpeg keeps every coefficient
of a progressive picture in memory, whatever scale it decodes at.

usage: bench/hostile_pictures.py FOLDER      (needs gm for the GraphicsMagick formats)
"""
import os
import struct
import subprocess
import sys


def iff(width, height, planes, body):
    bmhd = struct.pack(">HHhhBBBBHBBhh", width, height, 0, 0, planes, 0, 1, 0, 0, 10, 11,
                       width, height)
    chunks = b"BMHD" + struct.pack(">I", len(bmhd)) + bmhd
    chunks += b"BODY" + struct.pack(">I", len(body)) + body + (b"\0" if len(body) % 2 else b"")
    return b"FORM" + struct.pack(">I", 4 + len(chunks)) + b"ILBM" + chunks


def iff_filled(width, height, planes=1):
    # Every row packed as runs of 128 zero bytes (2 bytes a run).
    row_bytes = (width + 15) // 16 * 2 * planes
    runs = bytearray()
    left = row_bytes
    while left:
        n = min(128, left)
        runs += bytes([(1 - n) & 0xFF, 0])
        left -= n
    return iff(width, height, planes, bytes(runs) * height)


def gem_img(width, height, body, planes=1):
    return struct.pack(">8H", 1, 8, planes, 2, 85, 85, width, height) + body


def gem_img_filled(width, height, planes=1):
    # Each group of 255 lines: a vertical repeat of one line of solid runs.
    line_bytes = (width + 7) // 8
    line = bytearray()
    left = line_bytes
    while left:
        n = min(127, left)
        line.append(n)  # n bytes of 0x00
        left -= n
    group = b"\x00\x00\xff\xff" + bytes(line) * planes
    return gem_img(width, height, group * ((height + 254) // 255), planes)


def msp2(width, height, row_sizes, rows=b""):
    header = b"LinS" + struct.pack("<HH", width, height) + bytes(24)
    return header + b"".join(struct.pack("<H", s) for s in row_sizes) + rows


def pic(width, height, blocks, data):
    header = struct.pack("<HHHHHBBBHH", 0x1234, width, height, 0, 0, 0x08, 0xFF, 0x13, 0, 0)
    return header + struct.pack("<H", blocks) + data


def pic_filled(width, height):
    # 8-bit, run-length blocks of up to 65535 bytes each (marker 0, long run).
    total = width * height
    blocks = bytearray()
    count = 0
    while total:
        run = min(65535, total)
        blocks += struct.pack("<HHB", 5 + 5, run, 0) + bytes([0, 0]) + struct.pack("<H", run)
        blocks += bytes([7])
        total -= run
        count += 1
    # Each block: packed size, unpacked size, marker; then marker, 0, 16-bit run, value.
    return pic(width, height, count, bytes(blocks))


class Bits:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.n = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)
                self.acc = self.n = 0

    def flush(self):
        while self.n:
            self.put(1, 1)
        return bytes(self.out)


def segment(marker, body):
    return bytes([0xFF, marker]) + struct.pack(">H", len(body) + 2) + body


def zero_progressive_jpeg(width, height):
    """A greyscale progressive JPEG whose every coefficient is zero."""
    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    out = b"\xff\xd8"
    out += segment(0xDB, b"\x00" + bytes([1] * 64))
    out += segment(0xC2, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00")
    # DC table 0: one symbol (category 0) with the code "0".
    out += segment(0xC4, b"\x00" + bytes([1] + [0] * 15) + b"\x00")
    # AC table 0: end-of-band runs 2^k (symbols 0x00..0xE0), 4-bit codes.
    symbols = bytes(k << 4 for k in range(15))
    out += segment(0xC4, b"\x10" + bytes([0, 0, 0, 15] + [0] * 12) + symbols)
    # DC scan: one bit a block.
    out += segment(0xDA, b"\x01\x01\x00\x00\x00\x00")
    bits = Bits()
    for _ in range(blocks // 8):
        bits.put(0, 8)
    bits.put(0, blocks % 8)
    out += bits.flush()
    # AC scan: all blocks end at once, in runs of at most 32767.
    out += segment(0xDA, b"\x01\x01\x00\x01\x3f\x00")
    bits = Bits()
    left = blocks
    while left:
        run = min(32767, left)
        k = run.bit_length() - 1
        bits.put(k, 4)
        bits.put(run - (1 << k), k)
        left -= run
    out += bits.flush() + b"\xff\xd9"
    return out


def gm(folder, name, size, args):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        subprocess.run(["gm", "convert", "-size", size, "xc:#336699", *args, path], check=True)


def emf(width_px, height_px, records, frame=None):
    """An enhanced metafile on a 96 dpi device; records are (type, payload bytes)."""
    body = b"".join(struct.pack("<II", t, 8 + len(p)) + p for t, p in records)
    body += struct.pack("<5I", 14, 20, 0, 16, 20)
    fw, fh = frame or (width_px * 2540 // 96, height_px * 2540 // 96)
    header = struct.pack("<II4i4iIIIIHHIIIiiiiIIIii", 1, 108, 0, 0, width_px - 1, height_px - 1,
                         0, 0, fw, fh, 0x464D4520, 0x10000, 0, len(records) + 2, 256, 0,
                         0, 0, 0, 1000, 1000, 265, 265, 0, 0, 0, 264583, 264583)
    data = bytearray(header + body)
    struct.pack_into("<I", data, 48, len(data))
    return bytes(data)


def gem(width, height, calls, page=None):
    words = [-1, 24, 101, 2, 0, 0, width, height] + list(page or (width * 254 // 96, height * 254 // 96))
    words += [0] * 14
    for opcode, sub, points, ints in calls:
        words += [opcode, len(points), len(ints), sub] + [v for p in points for v in p] + ints
    words.append(-1)
    return struct.pack("<%dh" % len(words), *words)


def emf_text(text, height=-40):
    chars = len(text)
    text = text.encode("utf-16-le")
    font = struct.pack("<I5i8B", 1, height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0) + b"\0" * 64
    out = struct.pack("<4iIff2iIII4iI", 0, 0, -1, -1, 1, 0, 0, 0, 40, chars, 76, 0, 0, 0, -1, -1, 0)
    return [(82, font), (37, struct.pack("<I", 1)), (84, out + text + b"\0" * (len(text) % 4))]


# The largest picture our limits let through (kMaxDecodedPixels, 24 Mi pixels).
LIMIT_W, LIMIT_H = 5792, 4344


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    small = {
        # Files of a few bytes that declare a huge picture.
        "bomb-8192.iff": iff(8192, 8192, 8, b"\x00\x00\x00\x00"),
        "bomb-32767.iff": iff(32767, 32767, 24, b"\x80" * 10),
        "bomb-8192.img": gem_img(8192, 8192, b"\x00\x00\xff\x10"),
        "bomb-32767.img": gem_img(32767, 32767, b"\x80\x01\xff"),
        "bomb-8192.msp": msp2(8192, 8192, [100] * 8192),
        "bomb-8192.pic": pic(8192, 8192, 1, struct.pack("<HHB", 10, 100, 0) + b"\x00\x00\xff\xff\x07"),
        "bomb-32767.jpg": zero_progressive_jpeg(32767, 32767)[:2000],
        # Complete pictures whose every pixel is the same.
        "filled-8192.iff": iff_filled(8192, 8192),
        "filled-16384.iff": iff_filled(16384, 16384),
        "filled-8192.img": gem_img_filled(8192, 8192),
        "filled-16384.img": gem_img_filled(16384, 16384),
        "filled-8192.msp": msp2(8192, 8192, [0] * 8192),
        "filled-8192.pic": pic_filled(8192, 8192),
        "zero-8192.jpg": zero_progressive_jpeg(8192, 8192),
        "zero-20000.jpg": zero_progressive_jpeg(20000, 20000),
        "zero-32767.jpg": zero_progressive_jpeg(32767, 32767),
        # The largest pictures the limits let through.
        "limit-24bit.iff": iff_filled(LIMIT_W, LIMIT_H, 24),
        "limit-8planes.img": gem_img_filled(LIMIT_W, LIMIT_H, 8),
        "limit.msp": msp2(LIMIT_W, LIMIT_H, [0] * LIMIT_H),
        "limit.pic": pic_filled(LIMIT_W, LIMIT_H),
        "limit-zero-7936.jpg": zero_progressive_jpeg(7936, 7936),
        # Drawings: declared beyond the limits, at the limit with full-size fills, a
        # million tiny records, a path of a million points, a huge text run, a character
        # no font has, 40000 pixels tall.
        "bomb.emf": emf(100, 100, [], frame=(2000000000, 2000000000)),
        "bomb.gem": gem(100, 100, [], page=(32767, 32767)),
        "limit.emf": emf(LIMIT_W, LIMIT_H, [(43, struct.pack("<4i", 0, 0, LIMIT_W, LIMIT_H))] * 20),
        "limit.gem": gem(4800, 4800, [(23, 0, [], [3]), (11, 1, [(0, 0), (4799, 4799)], [])] * 20,
                         page=(12700, 12700)),
        "million-records.emf": emf(1000, 1000, [(54, struct.pack("<2i", i % 1000, i // 1000))
                                                for i in range(1000000)]),
        "endless-path.emf": emf(1000, 1000, [(59, b"")] + [(6, struct.pack("<4iI", 0, 0, -1, -1, 1000)
                                                            + struct.pack("<2000i", *range(2000)))] * 1100),
        "huge-text.emf": emf(400, 100, emf_text("W" * 4000000)),
        "huge-glyph.emf": emf(100, 100, emf_text("\0\u0700\0", height=-40000)),
    }
    for name, data in small.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    # GraphicsMagick's formats at 64 megapixels, a few of them as large as they come.
    gm(folder, "solid-8192.png", "8192x8192", [])
    gm(folder, "solid16-interlaced-8192.png", "8192x8192",
       ["-depth", "16", "-matte", "-interlace", "line"])
    gm(folder, "solid-8192.gif", "8192x8192", [])
    gm(folder, "solid-8192.tif", "8192x8192", ["-compress", "zip"])
    gm(folder, "solid-8192.tga", "8192x8192", ["-compress", "rle"])
    gm(folder, "solid-8192.pcx", "8192x8192", [])
    gm(folder, "solid-8192.ras", "8192x8192", [])
    gm(folder, "baseline-8192.jpg", "8192x8192", [])
    gm(folder, "progressive-8192.jpg", "8192x8192", ["-interlace", "line"])
    gm(folder, "solid-12000x9000.jpg", "12000x9000", [])
    limit = "%dx%d" % (LIMIT_W, LIMIT_H)
    gm(folder, "limit.png", limit, [])
    gm(folder, "limit-rgb.png", limit, ["-type", "TrueColor"])
    gm(folder, "limit16-interlaced.png", limit, ["-depth", "16", "-matte", "-interlace", "line"])
    gm(folder, "limit.gif", limit, [])
    gm(folder, "limit.tif", limit, ["-compress", "zip"])
    gm(folder, "limit16.tif", limit, ["-depth", "16", "-compress", "zip"])
    gm(folder, "limit.tga", limit, [])
    gm(folder, "limit.pcx", limit, [])
    gm(folder, "limit.ras", limit, [])
    gm(folder, "limit.bmp", limit, ["-compress", "rle", "-colors", "256"])
    gm(folder, "limit-progressive.jpg", limit, ["-interlace", "line"])
    gm(folder, "limit-progressive444.jpg", limit, ["-interlace", "line", "-sampling-factor", "1x1"])


if __name__ == "__main__":
    main()
