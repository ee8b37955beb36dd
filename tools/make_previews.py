#!/usr/bin/env python3
"""Draws the two sample pictures of the transition demonstration and writes them as 16-colour
device-independent bitmaps without a file header (the form of a Windows bitmap resource):

  transpreview1.dib  a sunset sky over dark silhouettes of workers on pillars
  transpreview2.dib  the globe seen from space on black

Usage: make_previews.py [OUTPUT_FOLDER] [--bmp]   (default folder: resources/ of the repository;
--bmp also writes viewable .bmp files beside them). Python standard library only; the output
is the same on every run.
"""

import math
import os
import random
import struct
import sys

WIDTH, HEIGHT = 240, 180
SUPER = 3  # samples per pixel in each direction, for smooth silhouette edges

# 4 x 4 ordered-dither thresholds, so that 16 colours make smooth gradients.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def gradient(stops, t):
    """Colour at t along [(position, colour), ...] sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


def quantize(pixels, palette, spread):
    """Nearest palette index of every pixel after an ordered-dither offset of +-spread/2."""
    out = []
    cache = {}
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            r, g, b = pixels[y][x]
            o = (BAYER[y % 4][x % 4] + 0.5) / 16.0 - 0.5
            key = (int(r + o * spread), int(g + o * spread), int(b + o * spread))
            if key not in cache:
                cache[key] = min(range(len(palette)), key=lambda i: sum(
                    (key[k] - palette[i][k]) ** 2 * (0.3, 0.59, 0.11)[k] for k in range(3)))
            row.append(cache[key])
        out.append(row)
    return out


def dib(indices, palette):
    """A BITMAPINFOHEADER, 16 palette entries and bottom-up 4-bit rows."""
    stride = ((WIDTH * 4 + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 4, 0, stride * HEIGHT,
                         2835, 2835, 16, 0)
    table = b''.join(struct.pack('<BBBB', int(b), int(g), int(r), 0) for r, g, b in palette)
    rows = bytearray()
    for y in range(HEIGHT - 1, -1, -1):
        line = bytearray(stride)
        for x in range(0, WIDTH, 2):
            line[x // 2] = (indices[y][x] << 4) | indices[y][x + 1]
        rows += line
    return header + table + bytes(rows)


# ---- shapes for the silhouettes

def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_segment(x, y, ax, ay, bx, by, w):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx - x, ay + t * dy - y
    return px * px + py * py <= (w / 2.0) ** 2


def in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def worker(x0, y0, pose):
    """Test function for one worker standing on (x0, y0), the top of a pillar."""
    parts = []
    if pose == 'stand':  # hands on hips, looking out
        parts += [('seg', x0 - 2, y0, x0 - 1.5, y0 - 11, 3.0), ('seg', x0 + 2, y0, x0 + 1.5, y0 - 11, 3.0),
                  ('poly', [(x0 - 3.5, y0 - 11), (x0 + 3.5, y0 - 11), (x0 + 4, y0 - 22), (x0 - 4, y0 - 22)]),
                  ('seg', x0 - 4, y0 - 21, x0 - 7, y0 - 15, 2.2), ('seg', x0 - 7, y0 - 15, x0 - 3.5, y0 - 12, 2.2),
                  ('seg', x0 + 4, y0 - 21, x0 + 7, y0 - 15, 2.2), ('seg', x0 + 7, y0 - 15, x0 + 3.5, y0 - 12, 2.2),
                  ('circ', x0, y0 - 25.5, 3.2), ('hat', x0, y0 - 27)]
    elif pose == 'sit':  # sitting on the edge, legs hanging
        parts += [('seg', x0 + 1, y0 - 1, x0 + 7, y0 - 1, 3.2), ('seg', x0 + 7, y0 - 1, x0 + 8, y0 + 8, 2.8),
                  ('poly', [(x0 - 3, y0 - 1), (x0 + 3, y0 - 1), (x0 + 2.5, y0 - 13), (x0 - 3.5, y0 - 12)]),
                  ('seg', x0 + 1.5, y0 - 11, x0 + 6, y0 - 5, 2.2),
                  ('circ', x0 - 0.5, y0 - 16.5, 3.1), ('hat', x0 - 0.5, y0 - 18)]
    elif pose == 'lift':  # raising a beam over the head
        parts += [('seg', x0 - 3, y0, x0 - 1.5, y0 - 11, 3.0), ('seg', x0 + 3, y0, x0 + 1.5, y0 - 11, 3.0),
                  ('poly', [(x0 - 3.5, y0 - 11), (x0 + 3.5, y0 - 11), (x0 + 3.5, y0 - 22), (x0 - 3.5, y0 - 22)]),
                  ('seg', x0 - 3.5, y0 - 21, x0 - 6, y0 - 32, 2.2), ('seg', x0 + 3.5, y0 - 21, x0 + 6, y0 - 32, 2.2),
                  ('poly', [(x0 - 16, y0 - 34), (x0 + 16, y0 - 35), (x0 + 16, y0 - 31.5), (x0 - 16, y0 - 30.5)]),
                  ('circ', x0, y0 - 25.5, 3.2), ('hat', x0, y0 - 27)]
    elif pose == 'hammer':  # kneeling, swinging a hammer
        parts += [('seg', x0 - 4, y0 - 1, x0 + 3, y0 - 1, 3.2), ('seg', x0 + 3, y0 - 1, x0 + 3, y0 - 8, 3.0),
                  ('poly', [(x0 - 4, y0 - 6), (x0 + 1, y0 - 7), (x0 + 4, y0 - 18), (x0 - 1, y0 - 18)]),
                  ('seg', x0 + 3, y0 - 16, x0 + 9, y0 - 20, 2.2), ('seg', x0 + 9, y0 - 20, x0 + 12, y0 - 27, 1.6),
                  ('poly', [(x0 + 9, y0 - 28), (x0 + 15, y0 - 26), (x0 + 14, y0 - 24), (x0 + 9, y0 - 26)]),
                  ('circ', x0 + 2.5, y0 - 21.5, 3.1), ('hat', x0 + 2.5, y0 - 23)]
    return parts


def hit(parts, x, y):
    for p in parts:
        kind = p[0]
        if kind == 'seg' and in_segment(x, y, *p[1:]):
            return True
        if kind == 'poly' and in_polygon(x, y, p[1]):
            return True
        if kind == 'circ' and in_circle(x, y, *p[1:]):
            return True
        if kind == 'hat':  # a dome with a brim
            cx, cy = p[1], p[2]
            if (y <= cy + 0.5 and in_circle(x, y, cx, cy + 0.5, 3.8)) or \
               (cy + 0.2 <= y <= cy + 1.4 and abs(x - cx) <= 5.0):
                return True
    return False


def sunset():
    palette = [(20, 14, 40), (44, 24, 74), (86, 36, 96), (138, 44, 92), (190, 58, 74),
               (226, 88, 56), (246, 130, 48), (252, 176, 64), (255, 214, 110), (255, 244, 196),
               (8, 6, 14), (30, 18, 34), (62, 30, 52), (120, 60, 70), (180, 96, 80), (255, 255, 255)]
    horizon = 128.0
    sun_x, sun_y, sun_r = 150.0, 122.0, 20.0
    sky = [(0.0, (28, 18, 54)), (0.30, (80, 36, 96)), (0.55, (170, 52, 80)), (0.75, (232, 96, 54)),
           (0.90, (250, 160, 60)), (1.0, (255, 210, 110))]
    pillars = [(22, 104, 14), (74, 92, 16), (128, 112, 13), (188, 98, 15)]
    crew = [worker(24, 104, 'stand'), worker(70, 92, 'sit'), worker(132, 112, 'lift'),
            worker(186, 98, 'hammer')]
    # A steel beam between the first two pillars with a rope hanging from it.
    beam = [('poly', [(22, 118), (82, 110), (82, 113.5), (22, 121.5)]),
            ('seg', 52, 115, 52, 140, 1.0)]
    rng = random.Random(7)
    clouds = [(rng.uniform(0, 240), rng.uniform(30, 95), rng.uniform(18, 46), rng.uniform(2, 4))
              for _ in range(9)]

    def sample(x, y):
        # Silhouettes first: pillars, workers, the beam, then the far shore.
        for px, top, w in pillars:
            if abs(x - px) <= w / 2 and y >= top:
                return (10, 8, 16)
            if abs(x - px) <= w / 2 + 2.5 and top <= y <= top + 3:  # capital
                return (10, 8, 16)
        for parts in crew:
            if hit(parts, x, y):
                return (12, 9, 18)
        if hit(beam, x, y):
            return (14, 10, 20)
        shore = horizon + 3 * math.sin(x * 0.05) + 2 * math.sin(x * 0.13 + 1)
        if y >= shore + 18:
            return (16, 10, 22)
        if y >= horizon:  # water reflecting the sky and the sun's path
            depth = (y - horizon) / (HEIGHT - horizon)
            col = mix((240, 120, 60), (40, 20, 50), depth * 1.6)
            glitter = abs(x - sun_x) < sun_r * (1.2 - depth) and int(y) % 3 != 0
            return mix(col, (255, 220, 130), 0.75) if glitter else col
        t = y / horizon
        col = gradient(sky, t)
        d = math.hypot(x - sun_x, y - sun_y)
        if d <= sun_r:
            return mix((255, 250, 210), (255, 200, 90), d / sun_r)
        col = mix(col, (255, 200, 100), max(0.0, 1 - (d - sun_r) / 55.0) * 0.55)
        for cx, cy, cw, ch in clouds:  # thin, lit streaks
            if abs(y - cy) < ch and abs(x - cx) < cw * (1 - ((y - cy) / ch) ** 2):
                col = mix(col, (120, 50, 80) if cy < 60 else (250, 150, 90), 0.6)
        return col

    pixels = render(sample)
    return quantize(pixels, palette, 56), palette


def value_noise(seed):
    rng = random.Random(seed)
    grid = {}

    def at(ix, iy, iz):
        key = (ix, iy, iz)
        if key not in grid:
            grid[key] = rng.random()
        return grid[key]

    def smooth(t):
        return t * t * (3 - 2 * t)

    def noise(x, y, z):
        ix, iy, iz = math.floor(x), math.floor(y), math.floor(z)
        fx, fy, fz = smooth(x - ix), smooth(y - iy), smooth(z - iz)
        v = 0.0
        for dx in (0, 1):
            for dy in (0, 1):
                for dz in (0, 1):
                    w = (fx if dx else 1 - fx) * (fy if dy else 1 - fy) * (fz if dz else 1 - fz)
                    v += w * at(ix + dx, iy + dy, iz + dz)
        return v

    def fractal(x, y, z):
        return sum(noise(x * f, y * f, z * f) / f for f in (1, 2, 4, 8)) / 1.875

    return fractal


def globe():
    palette = [(0, 0, 0), (255, 255, 255), (120, 120, 130), (6, 16, 52), (14, 44, 120),
               (30, 86, 176), (86, 150, 220), (150, 206, 250), (20, 70, 30), (46, 120, 48),
               (96, 150, 70), (150, 120, 70), (200, 176, 120), (40, 30, 20), (210, 220, 230),
               (2, 6, 20)]
    cx, cy, radius = 120.0, 90.0, 78.0
    land = value_noise(11)
    cloud = value_noise(23)
    light = (-0.55, -0.45, 0.70)
    norm = math.sqrt(sum(v * v for v in light))
    light = tuple(v / norm for v in light)
    rng = random.Random(5)
    stars = {(rng.randrange(WIDTH), rng.randrange(HEIGHT)): rng.choice([(255, 255, 255), (140, 140, 150)])
             for _ in range(70)}

    def sample(x, y):
        nx, ny = (x - cx) / radius, (y - cy) / radius
        rr = nx * nx + ny * ny
        if rr > 1.0:
            glow = max(0.0, 1 - (math.sqrt(rr) - 1) * 14)  # thin atmosphere
            base = stars.get((int(x), int(y)), (0, 0, 0))
            return mix(base, (90, 150, 230), glow * 0.8)
        nz = math.sqrt(1 - rr)
        # Turn the globe a little so that the land masses sit off centre.
        a = 0.6
        wx, wz = nx * math.cos(a) + nz * math.sin(a), -nx * math.sin(a) + nz * math.cos(a)
        wy = ny
        h = land(wx * 2.2 + 5, wy * 2.2 + 5, wz * 2.2 + 5)
        lat = abs(wy)
        if lat > 0.86:
            col = (225, 232, 240)  # ice caps
        elif h > 0.56:
            t = (h - 0.56) / 0.2
            col = mix((60, 130, 50), (170, 140, 80), t + (0.5 if lat < 0.3 else 0.0))
        elif h > 0.53:
            col = (70, 140, 200)  # shallow water by the coasts
        else:
            col = mix((22, 70, 160), (8, 28, 90), (0.53 - h) * 4)
        c = cloud(wx * 3.5 + 1, wy * 6 + 1, wz * 3.5 + 1)
        if c > 0.58:
            col = mix(col, (240, 244, 250), min(1.0, (c - 0.58) * 6))
        shade = nx * light[0] + ny * light[1] + nz * light[2]
        col = mix((2, 5, 18), col, 0.12 + max(0.0, shade) * 1.0)
        rim = (1 - nz) ** 3
        return mix(col, (120, 180, 250), rim * 0.6)

    pixels = render(sample)
    return quantize(pixels, palette, 40), palette


def render(sample):
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            acc = [0.0, 0.0, 0.0]
            for sy in range(SUPER):
                for sx in range(SUPER):
                    c = sample(x + (sx + 0.5) / SUPER, y + (sy + 0.5) / SUPER)
                    for k in range(3):
                        acc[k] += c[k]
            n = SUPER * SUPER
            row.append((acc[0] / n, acc[1] / n, acc[2] / n))
        rows.append(row)
    return rows


def main(argv):
    args = [a for a in argv[1:] if not a.startswith('--')]
    folder = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..',
                                               'resources')
    for name, make in (('transpreview1', sunset), ('transpreview2', globe)):
        indices, palette = make()
        data = dib(indices, palette)
        with open(os.path.join(folder, name + '.dib'), 'wb') as f:
            f.write(data)
        if '--bmp' in argv:
            offset = 14 + 40 + 16 * 4
            with open(os.path.join(folder, name + '.bmp'), 'wb') as f:
                f.write(b'BM' + struct.pack('<IHHI', 14 + len(data), 0, 0, offset) + data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
