#!/usr/bin/env python3
"""The Windows build's editor under Wine on an X server (xvfb-run): `chordwell-host.exe edit`
opens its window, and a drag on the Decay knob, made with xdotool, reaches the host.

usage: wine_editor_test.py CHORDWELL_HOST_EXE ARTEFACT_DIR [DPI]
With DPI (e.g. 192), the Wine prefix's display DPI is set to it for the run (and set back to 96
after): the window opens at its scale (DPI / 96) and the drag lands at scaled coordinates.
Prints one line per check and exits 1 when any failed. A screenshot goes to ARTEFACT_DIR.
"""
import functools
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
import window_support
from window_support import HostOutput, check, failures

# A search finds nothing until Wine shows the window: no xdotool status is an error here.
xdotool = functools.partial(window_support.xdotool, must_succeed=False)

HOST, ARTEFACTS = sys.argv[1], sys.argv[2]
DPI = int(sys.argv[3]) if len(sys.argv) > 3 else 96
SCALE = DPI / 96.0
os.makedirs(ARTEFACTS, exist_ok=True)
DECAY_KNOB = (round(91 * SCALE), round(117 * SCALE))  # in the window's pixels
EDITOR = (round(401 * SCALE), round(301 * SCALE))
SUFFIX = "" if DPI == 96 else "-%d" % DPI
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def set_dpi(dpi):
    subprocess.run(["wine", "reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                    "/d", str(dpi), "/f"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], check=False)


if DPI != 96:
    set_dpi(DPI)


host = subprocess.Popen(["wine", HOST, "edit"], stdin=subprocess.DEVNULL,
                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                        errors="replace")
output = HostOutput(host)
lines, wait_for = output.lines, output.wait_for


def geometry(window):
    values = dict(re.findall(r"(\w+)=(\d+)", xdotool("getwindowgeometry", "--shell", window)))
    return {k: int(v) for k, v in values.items()}


try:
    opened = wait_for(r"^window ", seconds=60)
    check(opened is not None, "the edit window opens under Wine (" + str(opened) + ")")
    if opened is None:
        raise SystemExit(1)
    size = "%d x %d" % EDITOR
    check(re.search(r"\b" + size + r"\b", opened) is not None, "the window reports " + size)
    # Wine draws the frame and title bar itself when no window manager runs: the editor sits
    # at the bottom of the X window, centred between equal side borders.
    window = None
    for _ in range(100):
        found = xdotool("search", "--onlyvisible", "--name", "ORL Chordwell").split()
        if found:
            window = found[-1]
            break
        time.sleep(0.1)
    check(window is not None, "Wine shows the window on the X server")
    if window is None:
        raise SystemExit(1)
    time.sleep(1.0)
    g = geometry(window)
    border = max(0, (g["WIDTH"] - EDITOR[0]) // 2)
    left = g["X"] + border
    top = g["Y"] + g["HEIGHT"] - border - EDITOR[1]
    subprocess.run(["import", "-window", "root", os.path.join(ARTEFACTS, "wine-editor%s.png" % SUFFIX)],
                   check=False)
    before = len(lines)
    x, y = left + DECAY_KNOB[0], top + DECAY_KNOB[1]
    xdotool("mousemove", x, y)
    time.sleep(0.2)
    xdotool("mousedown", 1)
    for step in range(1, 11):
        xdotool("mousemove", x, y - 3 * step)
        time.sleep(0.05)
    xdotool("mouseup", 1)
    changed = wait_for(r"^param 2: Decay = ", since=before, seconds=10)
    check(changed is not None,
          "a drag on the Decay knob reaches the host (" + str(changed) + ")")
    # The knob's value label is redrawn: the picture around it changes.
    time.sleep(1.0)
    edited = os.path.join(ARTEFACTS, "wine-edited%s.png" % SUFFIX)
    subprocess.run(["import", "-window", "root", edited], check=False)
    label = "%dx%d+%d+%d" % (round(50 * SCALE), round(14 * SCALE), left + round(66 * SCALE),
                             top + round(151 * SCALE))
    diff = subprocess.run(["compare", "-metric", "AE", "-extract", label,
                           os.path.join(ARTEFACTS, "wine-editor%s.png" % SUFFIX), edited, "null:"],
                          capture_output=True, text=True).stderr.strip()
    check(diff.isdigit() and int(diff) > 20, "the Decay value label shows the new value (" +
          diff + " pixels changed)")
finally:
    host.terminate()
    try:
        host.wait(10)
    except subprocess.TimeoutExpired:
        host.kill()
    with open(os.path.join(ARTEFACTS, "wine-host-output%s.txt" % SUFFIX), "w") as out:
        out.write("\n".join(lines) + "\n")
    if DPI != 96:
        set_dpi(96)

sys.exit(1 if failures else 0)
