"""compare_wav.py A B: the two WAV files hold the same 32-bit float samples, bit for bit, in
the same channels (chunks other than fmt and data, such as libsndfile's PEAK, are ignored)."""
import struct
import sys


def audio(path):
    data = open(path, "rb").read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise SystemExit(f"lv2: FAILED: {path} is not a WAV file")
    at, channels, bits, samples = 12, None, None, None
    while at + 8 <= len(data):
        tag, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        body = data[at + 8:at + 8 + size]
        if tag == b"fmt ":
            channels, bits = struct.unpack("<H", body[2:4])[0], struct.unpack("<H", body[14:16])[0]
        elif tag == b"data":
            samples = body
        at += 8 + size + (size & 1)
    if channels is None or samples is None or bits != 32:
        raise SystemExit(f"lv2: FAILED: {path} is not 32-bit float audio")
    return channels, samples


(ca, a), (cb, b) = audio(sys.argv[1]), audio(sys.argv[2])
if ca != cb or len(a) != len(b):
    print(f"FAILED: {ca} channels, {len(a) // 4} samples against {cb} channels, {len(b) // 4}")
    sys.exit(1)
if a != b:
    first = next(i for i in range(0, len(a), 4) if a[i:i + 4] != b[i:i + 4]) // 4
    x, y = struct.unpack("<f", a[first * 4:first * 4 + 4])[0], struct.unpack("<f", b[first * 4:first * 4 + 4])[0]
    print(f"FAILED: frame {first // ca} channel {first % ca} differs ({x!r} against {y!r})")
    sys.exit(1)
peak = max(abs(v) for v in struct.unpack(f"<{len(a) // 4}f", a))
print(f"{len(a) // 4 // ca} frames x {ca} identical (peak {peak:.3f})")
