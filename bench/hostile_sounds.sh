#!/usr/bin/env bash
# Writes hostile sound files into FOLDER: headers that declare far more than the file
# holds, absurd rates and channel counts, hours of compressed silence in every format the
# show reads (decompression bombs), and damaged or mislabelled files.
#
# usage: bench/hostile_sounds.sh FOLDER   (needs python3 and the ffmpeg program)
set -euo pipefail
out="$1"
mkdir -p "$out"
python3 - "$out" <<'PY'
import struct, sys, os
out = sys.argv[1]
def wav(name, channels, rate, bits, declared, data):
    fmt = struct.pack('<HHIIHH', 1, channels, rate, (rate * channels * bits // 8) & 0xFFFFFFFF,
                      (channels * bits // 8) & 0xFFFF, bits)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', declared) + data
    with open(os.path.join(out, name), 'wb') as f:
        f.write(b'RIFF' + struct.pack('<I', len(body)) + body)
wav('declares-4gb.wav', 2, 44100, 16, 0xFFFFFFF0, b'\0' * 64)
wav('65535-channels.wav', 65535, 44100, 16, 0x7FFFFFF0, b'\0' * 1024)
wav('rate-2g.wav', 1, 0x7FFFFFFF, 16, 4096, b'\0' * 4096)
wav('rate-1.wav', 1, 1, 16, 1 << 20, b'\1' * (1 << 20))
with open(os.path.join(out, 'random.mp3'), 'wb') as f:
    f.write(os.urandom(1 << 16))
with open(os.path.join(out, 'random.m4a'), 'wb') as f:
    f.write(b'\0\0\0\x18ftypM4A \0\0\0\0M4A mp42' + os.urandom(1 << 16))
with open(os.path.join(out, 'text.ogg'), 'wb') as f:
    f.write(b'#EXTM3U\nhttp://127.0.0.1:9/x.mp3\n/etc/passwd\n')
PY
silence() { ffmpeg -v error -y -f lavfi -i anullsrc=r=48000:cl=stereo -t "$1" "${@:2}"; }
silence 7200 -c:a flac "$out/2h-silence.flac"
silence 7200 -c:a libvorbis -q:a 0 "$out/2h-silence.ogg"
silence 7200 -c:a libopus -b:a 8k "$out/2h-silence.opus"
silence 7200 -c:a libmp3lame -b:a 8k "$out/2h-silence.mp3"
silence 7200 -c:a aac -b:a 8k "$out/2h-silence.m4a"
silence 7200 -c:a aac -b:a 8k -f adts "$out/2h-silence-no-length.aac"
head -c 20000 "$out/2h-silence.flac" >"$out/cut.flac"
head -c 20000 "$out/2h-silence.m4a" >"$out/cut.m4a"
