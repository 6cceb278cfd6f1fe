#!/usr/bin/env python3
"""Real-window tests of `chordwell-host edit`, driven by xdotool on an X server (xvfb-run).

usage: window_test.py CHORDWELL_HOST ARTEFACT_DIR   (under xvfb-run -s "... -noreset")
Prints one line per check and exits 1 when any failed. Screenshots go to ARTEFACT_DIR.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from window_support import HostOutput, check, failures, xdotool

HOST, ARTEFACTS = sys.argv[1], sys.argv[2]
os.makedirs(ARTEFACTS, exist_ok=True)

# Places in the window (window pixels).
DECAY_KNOB = (91, 117)
NEXT_ARROW = (262, 291)
HINTS_BULB = (390, 291)
NAME_FIELD = (100, 285, 130, 12)  # x, y, width, height
OUTSIDE = (700, 550)
HINT_BACKGROUND = (255, 255, 225)


def move(point):
    xdotool("mousemove", point[0], point[1])
    time.sleep(0.1)


def click(point):
    move(point)
    xdotool("click", 1)
    time.sleep(0.4)


def screenshot(name):
    path = os.path.join(ARTEFACTS, name + ".png")
    subprocess.run(["import", "-window", "root", "-crop", "401x301+0+0", "+repage", path],
                   check=True)
    return path


def pixels(path, x, y, w, h):
    out = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8",
                          "txt:-"], check=True, capture_output=True, text=True).stdout
    return [tuple(map(int, m.groups())) for m in re.finditer(r"\((\d+),(\d+),(\d+)", out)]


def edited_pixels(path):
    # The name of an edited preset is drawn in a dark red; committed names are black on blue.
    return sum(1 for r, g, b in pixels(path, *NAME_FIELD) if r > b + 30)


def hint_pixels_after_resting_on_the_knob(name):
    move(DECAY_KNOB)
    time.sleep(1.5)
    return sum(1 for p in pixels(screenshot(name), 0, 0, 401, 301) if p == HINT_BACKGROUND)


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
    try:
        return process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        process.kill()
        return process.wait()


store = tempfile.mkdtemp(prefix="orl-window-store-")
state = os.path.join(store, "state.bin")
env = dict(os.environ, ORL_CHORDWELL_STORE_DIR=store)
host = subprocess.Popen([HOST, "edit", "--state-out", state], stdout=subprocess.PIPE,
                        stderr=subprocess.STDOUT, text=True, env=env)
output = HostOutput(host)
lines, wait_for = output.lines, output.wait_for

try:
    opened = wait_for(r"^window 0x[0-9a-f]+", seconds=30)
    check(opened is not None, "the edit window opens")
    if opened is None:
        raise SystemExit(1)
    window = int(opened.split()[1], 16)
    geometry = xdotool("getwindowgeometry", "--shell", window)
    check("WIDTH=401" in geometry and "HEIGHT=301" in geometry,
          "the window is 401 x 301 (" + " ".join(geometry.split()) + ")")
    time.sleep(0.5)
    move(OUTSIDE)

    # Turning the box over is left to the editor's own and the rendered-panel tests.
    check(edited_pixels(screenshot("front")) == 0, "the preset starts unedited")
    before = len(lines)
    move(DECAY_KNOB)
    xdotool("mousedown", 1)
    for step in range(1, 11):
        xdotool("mousemove", DECAY_KNOB[0], DECAY_KNOB[1] - 3 * step)
        time.sleep(0.03)
    xdotool("mouseup", 1)
    changed = wait_for(r"^param 2: Decay = ", since=before)
    check(changed is not None, "a drag on the Decay knob changes the host parameter (" +
          str(changed) + ")")
    move(OUTSIDE)
    time.sleep(0.3)
    check(edited_pixels(screenshot("edited")) > 3, "the dragged preset is marked [EDIT]")

    before = len(lines)
    click(NEXT_ARROW)
    switched = wait_for(r"^param 3: Damp = 0\.05$", since=before)
    check(switched is not None, "the next preset arrow sends preset 01's values to the host")
    move(OUTSIDE)

    check(hint_pixels_after_resting_on_the_knob("hint") > 100,
          "a hint appears after the pointer rests on a knob")

    click(HINTS_BULB)
    move(OUTSIDE)
    check(hint_pixels_after_resting_on_the_knob("hints-off") == 0,
          "no hint appears while hints are off")
    click(HINTS_BULB)
    move(OUTSIDE)
    time.sleep(0.3)
    shutil.copy(screenshot("final"), os.path.join(ARTEFACTS, "window.png"))
finally:
    rc = stop(host)
    check(rc == 0, f"closing the window ends the host cleanly (exit {rc})")
    check(os.path.exists(state) and os.path.getsize(state) > 0,
          "closing the window saved the state (--state-out)")
    with open(os.path.join(ARTEFACTS, "edit.log"), "w") as log:
        log.write("\n".join(lines) + "\n")

# A fresh window, never clicked: the wheel turns the knob under the pointer at once.
fresh = subprocess.Popen([HOST, "edit"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, env=env)
wait_for = HostOutput(fresh).wait_for
try:
    if wait_for(r"^window 0x[0-9a-f]+", seconds=30) is not None:
        time.sleep(0.5)
        move(DECAY_KNOB)
        for _ in range(2):
            xdotool("click", 4)
            time.sleep(0.1)
        turned = wait_for(r"^param 2: Decay = ", seconds=3)
        check(turned is not None, "the wheel turns a knob before any click (" + str(turned) + ")")
    else:
        check(False, "a second edit window opens")
finally:
    stop(fresh)


def open_window(*arguments):
    """An edit window and the size it reports ("W x H"), or None when none opens."""
    process = subprocess.Popen([HOST, "edit", *arguments], stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, text=True, env=env)
    opened = HostOutput(process).wait_for(r"^window 0x[0-9a-f]+", seconds=30)
    size = re.search(r"(\d+ x \d+)", opened).group(1) if opened else None
    return process, size


def window_size():
    found = xdotool("search", "--onlyvisible", "--name", "ORL Chordwell").split()
    if not found:
        return None
    g = dict(re.findall(r"(\w+)=(\d+)", xdotool("getwindowgeometry", "--shell", found[-1])))
    return "%s x %s" % (g.get("WIDTH"), g.get("HEIGHT"))


# The X server's DPI setting scales the window as it scales the desktop's own. (The server
# must not reset when its last client leaves, or the setting goes with it: Xvfb -noreset.)
subprocess.run(["xrdb", "-nocpp", "-merge"], input="Xft.dpi: 144\n", text=True, check=False)
process, size = open_window()
stop(process)
check(size == "602 x 452", f"at Xft.dpi 144 the window opens at 1.5x ({size})")
subprocess.run(["xrdb", "-remove"], check=False)

# The user's zoom: a right click on the panel's background, 150 % chosen with the keyboard.
process, size = open_window()
try:
    time.sleep(0.5)
    move((12, 150))  # the string bed left of the box
    xdotool("click", 3)
    time.sleep(0.8)
    for _ in range(3):  # 100, 125, 150
        xdotool("key", "Down")
        time.sleep(0.1)
    xdotool("key", "Return")
    time.sleep(1.0)
    zoomed = window_size()
    check(zoomed == "602 x 452", f"choosing 150 % in the window's menu zooms it ({zoomed})")
finally:
    stop(process)
process, size = open_window()
stop(process)
check(size == "602 x 452", f"a new process opens at the user's zoom ({size})")
process, size = open_window("--scale", "2")
stop(process)
check(size == "1203 x 903", f"the host's scale times the zoom, held to 3 ({size})")
shutil.rmtree(store, ignore_errors=True)

sys.exit(1 if failures else 0)
