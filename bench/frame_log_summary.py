#!/usr/bin/env python3
"""Sums up a show window's frame log (LRW_FRAME_LOG): per screen size, the time from each
frame clock tick to the frame handed to the window system, and the missed frames of a
60 Hz stream.

    frame_log_summary.py LOG

A log line is: kind (motion or smooth) WIDTHxHEIGHT tick_ms draw_ms handed_ms.
A frame misses its 16.7 ms slot when it is handed later than that after its tick, and
slots pass without a frame when the time between two frames spans two slots or more
(the clock held up, for example by the next slide's decoding on the same thread).
"""
import sys

SLOT = 1000.0 / 60


def percentile(values, p):
    values = sorted(values)
    return values[int(p * (len(values) - 1))] if values else float("nan")


def main():
    frames = []
    with open(sys.argv[1]) as log:
        for line in log:
            kind, size, tick, draw, handed = line.split()
            frames.append((kind, size, float(tick), float(draw), float(handed)))
    for size in sorted({f[1] for f in frames}):
        mine = [f for f in frames if f[1] == size]
        span = (mine[-1][2] - mine[0][2]) / 1000
        print(f"{size}: {len(mine)} frames over {span:.1f} s")
        for kind in ("motion", "smooth", "all"):
            part = [f for f in mine if kind == "all" or f[0] == kind]
            if not part:
                continue
            handed = [f[4] for f in part]
            draw = [f[3] for f in part]
            print(f"  {kind:6}  tick to handed: median {percentile(handed, 0.5):.2f} ms"
                  f"  p99 {percentile(handed, 0.99):.2f} ms  max {max(handed):.2f} ms;"
                  f"  drawing alone: median {percentile(draw, 0.5):.2f} ms"
                  f"  p99 {percentile(draw, 0.99):.2f} ms")
        over = sum(1 for f in mine if f[4] > SLOT)
        skipped = 0
        longest = 0.0
        for before, after in zip(mine, mine[1:]):
            gap = after[2] + after[4] - (before[2] + before[4])
            if gap < 2000:  # longer: the show's start or end, nothing moved
                skipped += max(0, int(gap / SLOT + 0.5) - 1)
                longest = max(longest, gap)
        print(f"  missed: {over} frames handed later than their slot;"
              f" {skipped} slots passed without a frame;"
              f" longest time between two frames {longest:.1f} ms")


if __name__ == "__main__":
    main()
