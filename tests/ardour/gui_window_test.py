#!/usr/bin/env python3
"""The plug-in's own window inside Ardour 7's GUI (dummy backend), on an X server.

usage: gui_window_test.py CHORDWELL_HOST HOME ARTEFACT_DIR   (under xvfb-run)
HOME holds the VST 3 bundle in ~/.vst3, already indexed by Ardour's VST 3 scanner; the LV2
bundle is found on LV2_PATH. For each format and case a session is made headless
(gui_session.lua), marked to open the plug-in's window when loaded, and opened in Ardour's GUI
at a GUI scale; our X window inside Ardour's plug-in window is then captured and compared with
`chordwell-host snapshot` at the same scale. Prints one line per check and exits 1 when any
failed. Screenshots and Ardour's logs go to ARTEFACT_DIR.
"""
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
from window_support import check, failures

HOST, HOME, ARTEFACTS = sys.argv[1], sys.argv[2], sys.argv[3]
HERE = os.path.dirname(os.path.abspath(__file__))
CONFIG = os.path.join(HOME, ".config", "ardour7")
STORE = os.path.join(HOME, "chordwell-settings")
FRAME_BACKGROUND = (33, 33, 33)  # what our window paints around a centred panel
WINDOW_TITLE = "T: ORL Chordwell"
PANEL = (401, 301)  # the window at scale 1
NAME_FIELD = (90, 282, 150, 19)  # the preset bar's name, at scale 1: x, y, width, height
DECAY_KNOB = (91, 117)  # its centre, at scale 1
# A preset's Decay (percent) and its other values as `snapshot --set` takes them.
PRESETS = {"": (25, []), "Almost reverb": (75, ["Damp=20%", "Transpose=-24st"])}
# An upward drag of 30 pixels at scale 1 turns a knob 10 % of its range.
DRAG, DRAG_TURN = 30, 10
TOLERANCE = 8  # per channel, out of 255
ENV = dict(os.environ, HOME=HOME, ORL_CHORDWELL_STORE_DIR=STORE,
           LV2_PATH=os.environ.get("LV2_PATH", "/usr/lib/lv2"))

# Ardour's own settings for a run without questions: no first-run wizard (the marker file),
# the dummy backend shown and started at once from a saved engine state, no plug-in scan and
# no announcements at start.
RC_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<Ardour>
  <Config>
    <Option name="try-autostart-engine" value="1"/>
    <Option name="hide-dummy-backend" value="0"/>
    <Option name="discover-plugins-on-start" value="0"/>
    <Option name="check-announcements" value="0"/>
  </Config>
  <Extra>
    <AudioMIDISetup>
      <EngineStates>
        <State backend="None (Dummy)" driver="Normal Speed" device="Silence" input-device=""
               output-device="" sample-rate="48000" buffer-size="1024" n-periods="0"
               input-latency="0" output-latency="0" lm-input="" lm-output="" active="1"
               use-buffered-io="0" midi-option="1 in, 1 out, Silence" lru="1">
          <MIDIDevices/>
        </State>
      </EngineStates>
    </AudioMIDISetup>
  </Extra>
</Ardour>
"""
# GUI scale: 102400 is 100 %.
UI_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<Ardour>
  <UI>
    <Option name="font-scale" value="%d"/>
  </UI>
</Ardour>
"""


def run(*args, **kwargs):
    return subprocess.run(list(map(str, args)), check=True, capture_output=True, text=True,
                          **kwargs).stdout


def make_session(folder, fmt, preset):
    """A headless session with the plug-in on track T; False when Ardour could not make it."""
    env = dict(ENV, ORL_ARDOUR_SESSION=folder, ORL_ARDOUR_FORMAT=fmt, ORL_ARDOUR_PRESET=preset)
    # A GUI run can leave its own settings behind; the headless one starts from none.
    for name in ("config", "ui_config", "instant.xml"):
        if os.path.exists(os.path.join(CONFIG, name)):
            os.remove(os.path.join(CONFIG, name))
    out = subprocess.run(["ardour7-lua", os.path.join(HERE, "gui_session.lua")], env=env,
                         capture_output=True, text=True, timeout=120).stdout
    for line in out.splitlines():
        if re.match(r"^(ok|FAILED): ", line):
            print("  ardour7-lua " + line)
    return "ardour: all checks passed" in out


def mark_window_open(session_file):
    """Ardour reopens the plug-in windows a session was saved with; ours is marked open."""
    tree = ET.parse(session_file)
    root = tree.getroot()
    route = next(r for r in root.iter("Route") if r.get("name") == "T")
    plugin = next(p for p in route.iter("Processor")
                  if p.get("name", "").startswith("ORL Chordwell"))
    ui = ET.SubElement(ET.SubElement(root, "Extra"), "UI")
    ET.SubElement(ui, "Window", {"name": f"P-{route.get('id')}-{plugin.get('id')}",
                                 "visible": "1", "x-off": "0", "y-off": "0", "x-size": "-1",
                                 "y-size": "-1", "custom-ui": "1"})
    tree.write(session_file, encoding="UTF-8", xml_declaration=True)


def plugin_window(seconds=60.0):
    """Ardour's window for the plug-in, or None when none appears in time."""
    end = time.time() + seconds
    while time.time() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", WINDOW_TITLE],
                               capture_output=True, text=True).stdout.split()
        if found:
            return int(found[0])
        time.sleep(0.5)
    return None


def deepest_child(window):
    """The innermost window in window's tree (ours: Ardour embeds it in a socket window),
    as (id, width, height); None when the window has gone."""
    tree = subprocess.run(["xwininfo", "-tree", "-id", str(window)], capture_output=True,
                          text=True).stdout
    best = None
    for m in re.finditer(r"^(\s+)(0x[0-9a-f]+) .*?\s(\d+)x(\d+)[+-]", tree, re.M):
        depth, wid, w, h = len(m.group(1)), int(m.group(2), 16), int(m.group(3)), int(m.group(4))
        if w > 1 and h > 1 and (best is None or depth > best[0]):
            best = (depth, wid, w, h)
    return best[1:] if best else None


def rgb(path):
    """A picture's size and its pixels, row by row, as (r, g, b)."""
    w, h = map(int, run("identify", "-format", "%w %h", path).split())
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    return w, h, [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def differences(shot, wanted, at):
    """The places (in wanted's pixels) where shot, read from offset at, differs from wanted by
    more than a small tolerance."""
    sw, _, got = rgb(shot)
    w, h, want = rgb(wanted)
    return [(x, y) for y in range(h) for x in range(w)
            if max(abs(a - b) for a, b in zip(got[(y + at[1]) * sw + x + at[0]],
                                              want[y * w + x])) > TOLERANCE]


def open_in_ardour(name, fmt, percent, preset):
    """Opens a fresh session in Ardour's GUI at percent GUI scale; returns the process and
    Ardour's window for the plug-in, or None."""
    folder = os.path.join(ARTEFACTS, name)
    if not make_session(folder, fmt, preset):
        check(False, f"{name}: Ardour makes the session headless")
        return None, None
    mark_window_open(os.path.join(folder, "chordwell.ardour"))
    os.makedirs(CONFIG, exist_ok=True)
    open(os.path.join(CONFIG, ".a7"), "w").close()
    with open(os.path.join(CONFIG, "config"), "w") as f:
        f.write(RC_CONFIG)
    with open(os.path.join(CONFIG, "ui_config"), "w") as f:
        f.write(UI_CONFIG % (1024 * percent))
    log = open(os.path.join(ARTEFACTS, name + "-ardour.log"), "w")
    process = subprocess.Popen(["ardour", "--no-announcements", "--no-splash",
                                os.path.join(folder, "chordwell.ardour")], env=ENV,
                               stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
    window = plugin_window()
    check(window is not None, f"{name}: Ardour at {percent} % opens the plug-in's window")
    return process, window


def stop(process):
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def snapshot(scale, path, settings):
    args = [HOST, "snapshot", "--scale", str(scale)]
    for s in settings:
        args += ["--set", s]
    subprocess.run(args + ["--", path], check=True, capture_output=True, env=ENV)
    return path


def settled_capture(window, name, seconds=30.0):
    """A screenshot of our window inside Ardour's window once three in a row, half a second
    apart, are the same (the view may be resized and repainted after it is first shown):
    (path, (id, width, height)), or None when our window never shows."""
    path = os.path.join(ARTEFACTS, name + ".png")
    last, same = None, 0
    end = time.time() + seconds
    while time.time() < end:
        time.sleep(0.5)
        ours = deepest_child(window)
        if ours is None or subprocess.run(["import", "-window", hex(ours[0]), path],
                                          capture_output=True).returncode != 0:
            continue
        with open(path, "rb") as f:
            now = (ours, f.read())
        same = same + 1 if now == last else 0
        if same == 2:
            return path, ours
        last = now
    return (path, last[0]) if last else None


def off_panel(shot, size, scale, settings, with_name, name):
    """Where the panel, centred in our window of size, differs from the snapshot at scale with
    settings (the preset bar's name field left out unless with_name)."""
    wanted = snapshot(scale, os.path.join(ARTEFACTS, name + "-snapshot.png"), settings)
    pw, ph = round(PANEL[0] * scale), round(PANEL[1] * scale)
    at = ((size[0] - pw) // 2, (size[1] - ph) // 2)
    field = [round(v * scale) for v in NAME_FIELD]
    return [(x, y) for x, y in differences(shot, wanted, at)
            if with_name or not (field[0] <= x < field[0] + field[2]
                                 and field[1] <= y < field[1] + field[3])]


def drag_decay(ours, size, scale):
    """Drags the Decay knob up by DRAG pixels at scale 1 (times scale), the way a person does,
    and moves the pointer off every window again (a tooltip over ours would be captured)."""
    info = run("xwininfo", "-id", ours)
    left = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
    top = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
    pw, ph = round(PANEL[0] * scale), round(PANEL[1] * scale)
    x = left + (size[0] - pw) // 2 + round(DECAY_KNOB[0] * scale)
    y = top + (size[1] - ph) // 2 + round(DECAY_KNOB[1] * scale)
    steps = 10
    moves = []
    for step in range(1, steps + 1):
        moves += ["sleep", "0.03", "mousemove", x, y - round(DRAG * scale * step / steps)]
    corner = [int(v) - 1 for v in run("xdotool", "getdisplaygeometry").split()]
    run("xdotool", "mousemove", x, y, "sleep", "0.2", "mousedown", "1", *moves, "sleep", "0.1",
        "mouseup", "1", "sleep", "0.1", "mousemove", *corner)


def check_case(fmt, percent, preset=""):
    """Ardour at percent GUI scale shows our window whole, every pixel ours: the panel is the
    snapshot at that scale (but for the preset's name), centred on our own background; a drag
    on Decay at that scale turns it as far as the same drag at scale 1."""
    name = f"{fmt}-{percent}"
    scale = percent / 100
    decay, settings = PRESETS[preset]
    process, window = open_in_ardour(name, fmt, percent, preset)
    try:
        shown = settled_capture(window, name + "-window") if window else None
        if window:
            check(shown is not None, f"{name}: our window shows inside Ardour's")
        if not shown:
            return
        shot, (ours, w, h) = shown
        pw, ph = round(PANEL[0] * scale), round(PANEL[1] * scale)
        print(f"  {name}: Ardour gives our window {w} x {h}")
        check(w >= pw and h >= ph,
              f"{name}: our window holds the whole {pw} x {ph} panel ({w} x {h})")
        if w < pw or h < ph:
            return
        # Our window draws the name of the preset Ardour chose; the snapshot shows Default.
        off = off_panel(shot, (w, h), scale, [f"Decay={decay}%"] + settings, not preset, name)
        check(not off, f"{name}: the panel is the {scale:g}x snapshot ({len(off)} pixels "
              f"differ{', first at %d,%d' % off[0] if off else ''})")
        at = ((w - pw) // 2, (h - ph) // 2)
        _, _, got = rgb(shot)
        around = [p for i, p in enumerate(got) if not (at[0] <= i % w < at[0] + pw
                                                        and at[1] <= i // w < at[1] + ph)]
        foreign = sum(1 for p in around if p != FRAME_BACKGROUND)
        check(foreign == 0, f"{name}: the {len(around)} pixels around the panel are our "
              f"background ({foreign} are not)")

        drag_decay(ours, (w, h), scale)
        shown = settled_capture(window, name + "-dragged")
        turned = decay + DRAG_TURN
        off = off_panel(shown[0], (w, h), scale, [f"Decay={turned}%"] + settings, False,
                        name + "-dragged") if shown else ["none"]
        check(not off, f"{name}: a {round(DRAG * scale)}-pixel drag turns Decay from {decay} "
              f"to {turned} % ({len(off)} pixels differ from that snapshot)")
    finally:
        stop(process)


os.makedirs(ARTEFACTS, exist_ok=True)
for fmt in ("vst3", "lv2"):
    # Ardour at 200 % asks the view for scale 2.
    check_case(fmt, 200)
    # At 100 % a long preset name widens Ardour's preset box, and Ardour widens our window.
    check_case(fmt, 100, "Almost reverb")

sys.exit(1 if failures else 0)
