"""lv2_bank.py put STATE_TTL FILE | check SESSION FILE: puts a bank (the 'All ' chunk of a
`chordwell-host render --state-out` file) into the plug-in state Ardour saved, or checks that
the newest plug-in state Ardour saved holds exactly that bank."""
import base64
import glob
import re
import sys

VALUE = re.compile(r'(<https://www\.orlund\.com/lv2/chordwell#bank> \[\s*a <[^>]+> ;\s*'
                   r'rdf:value """)([^"]*)(""")', re.S)


def bank_of(text):
    found = VALUE.search(text)
    return base64.b64decode(found.group(2)) if found else None


def all_chunk(data):
    """The 'All ' chunk of a state file ("OCws", version, count, then id/size/data chunks,
    little-endian); an older file is that chunk alone."""
    if data[:4] != b"OCws":
        return data
    count = int.from_bytes(data[8:12], "little")
    at = 12
    for _ in range(count):
        ident, size = data[at:at + 4], int.from_bytes(data[at + 4:at + 8], "little")
        if ident == b"All ":
            return data[at + 8:at + 8 + size]
        at += 8 + size
    raise SystemExit("FAILED: the state file has no 'All ' chunk")


mode, target = sys.argv[1], sys.argv[2]
chunk = all_chunk(open(sys.argv[3], "rb").read())
if mode == "put":
    text = open(target).read()
    if bank_of(text) is None:
        raise SystemExit(f"FAILED: no bank in {target}")
    encoded = base64.b64encode(chunk).decode()
    open(target, "w").write(VALUE.sub(lambda m: m.group(1) + encoded + m.group(3), text))
    print(f"ok: the saved plug-in state now holds a bank of {len(chunk)} bytes")
else:
    states = glob.glob(f"{target}/plugins/*/state*/state.ttl")
    newest = max(states, key=lambda p: int(re.search(r"state(\d+)/state.ttl$", p).group(1)))
    saved = bank_of(open(newest).read())
    ok = saved == chunk
    print(("ok" if ok else "FAILED") + f": Ardour saved the restored bank again ({newest})")
    sys.exit(0 if ok else 1)
