"""compare_bounces.py DRY WET: the dry bounce carries the source's noise, and the bounce
through the plug-in differs from it audibly (32-bit float WAV files as Ardour bounces them)."""
import struct
import sys


def samples(path):
    data = open(path, "rb").read()
    at = data.find(b"data")
    if at < 0:
        raise SystemExit(f"ardour: FAILED: {path} has no audio data")
    size = struct.unpack("<I", data[at + 4:at + 8])[0]
    return struct.unpack(f"<{size // 4}f", data[at + 8:at + 8 + size])


dry, wet = samples(sys.argv[1]), samples(sys.argv[2])
loudest = max(abs(x) for x in dry)
difference = max(abs(a - b) for a, b in zip(dry, wet))
ok = len(dry) == len(wet) and loudest > 1e-3 and difference > 1e-3
print(("ok" if ok else "FAILED") +
      f": the bounce through the plug-in differs from the dry one (dry peak {loudest:.3f}, "
      f"largest difference {difference:.3f}, {len(wet)} frames)")
sys.exit(0 if ok else 1)
