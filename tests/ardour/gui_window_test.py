#!/usr/bin/env python3
"""The plug-in's own window inside Ardour 7's GUI (dummy backend), on an X server.

usage: gui_window_test.py CHORDWELL_HOST HOME ARTEFACT_DIR   (under xvfb-run)
HOME holds the VST 3 bundle in ~/.vst3, indexed by Ardour's scanner; the LV2 bundle is on
LV2_PATH. Each case's session is made headless (gui_session.lua), marked to open the plug-in's
window, opened in Ardour's GUI at a GUI scale, and our X window in it is compared with
`chordwell-host snapshot` at that scale. Screenshots and Ardour's logs go to ARTEFACT_DIR.
"""
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
from window_support import check, failures, xdotool

HOST, HOME, ARTEFACTS = sys.argv[1], sys.argv[2], sys.argv[3]
HERE = os.path.dirname(os.path.abspath(__file__))
CONFIG = os.path.join(HOME, ".config", "ardour7")
FRAME_BACKGROUND = (33, 33, 33)  # what our window paints around a centred panel
PANEL = (401, 301)  # the window at scale 1
NAME_FIELD = (90, 282, 150, 19)  # the preset bar's name at scale 1: x, y, width, height
DECAY_KNOB = (91, 117)
# A preset's Decay (percent) and its other values as `snapshot --set` takes them.
PRESETS = {"": (25, []), "Almost reverb": (75, ["Damp=20%", "Transpose=-24st"])}
DRAG, DRAG_TURN = 30, 10  # an upward drag of 30 pixels at scale 1 turns a knob 10 %
TOLERANCE = 8  # per channel, out of 255
ENV = dict(os.environ, HOME=HOME, LV2_PATH=os.environ.get("LV2_PATH", "/usr/lib/lv2"),
           ORL_CHORDWELL_STORE_DIR=os.path.join(HOME, "chordwell-settings"))

# A run without questions: the dummy backend started at once from a saved engine state, no
# plug-in scan, no announcements (the first-run wizard is skipped by the marker file .a7).
RC_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<Ardour><Config>
  <Option name="try-autostart-engine" value="1"/><Option name="hide-dummy-backend" value="0"/>
  <Option name="discover-plugins-on-start" value="0"/><Option name="check-announcements" value="0"/>
</Config><Extra><AudioMIDISetup><EngineStates>
  <State backend="None (Dummy)" driver="Normal Speed" device="Silence" input-device=""
         output-device="" sample-rate="48000" buffer-size="1024" n-periods="0"
         input-latency="0" output-latency="0" lm-input="" lm-output="" active="1"
         use-buffered-io="0" midi-option="1 in, 1 out, Silence" lru="1"><MIDIDevices/></State>
</EngineStates></AudioMIDISetup></Extra></Ardour>
"""
# GUI scale: 102400 is 100 %.
UI_CONFIG = '<?xml version="1.0"?><Ardour><UI><Option name="font-scale" value="%d"/></UI></Ardour>'


def run(*args, **kwargs):
    return subprocess.run(list(map(str, args)), check=True, capture_output=True, **kwargs).stdout


def make_session(folder, fmt, preset):
    """A headless session with the plug-in on track T; False when Ardour could not make it."""
    env = dict(ENV, ORL_ARDOUR_SESSION=folder, ORL_ARDOUR_FORMAT=fmt, ORL_ARDOUR_PRESET=preset)
    # A GUI run can leave its own settings behind; the headless one starts from none.
    for name in ("config", "ui_config", "instant.xml"):
        if os.path.exists(os.path.join(CONFIG, name)):
            os.remove(os.path.join(CONFIG, name))
    out = subprocess.run(["ardour7-lua", os.path.join(HERE, "gui_session.lua")], env=env,
                         capture_output=True, text=True, timeout=120).stdout
    print("".join("  ardour7-lua " + l + "\n" for l in out.splitlines()
                  if re.match(r"^(ok|FAILED): ", l)), end="")
    return "ardour: all checks passed" in out


def mark_window_open(session_file):
    """Ardour reopens the plug-in windows a session was saved with; ours is marked open."""
    tree = ET.parse(session_file)
    route = next(r for r in tree.getroot().iter("Route") if r.get("name") == "T")
    plugin = next(p for p in route.iter("Processor")
                  if p.get("name", "").startswith("ORL Chordwell"))
    ui = ET.SubElement(ET.SubElement(tree.getroot(), "Extra"), "UI")
    ET.SubElement(ui, "Window", {"name": f"P-{route.get('id')}-{plugin.get('id')}",
                                 "visible": "1", "x-off": "0", "y-off": "0", "x-size": "-1",
                                 "y-size": "-1", "custom-ui": "1"})
    tree.write(session_file, encoding="UTF-8", xml_declaration=True)


def plugin_window(seconds=60.0):
    """Ardour's window for the plug-in, or None when none appears in time."""
    end = time.time() + seconds
    while time.time() < end:
        found = xdotool("search", "--onlyvisible", "--name", "T: ORL Chordwell",
                        must_succeed=False).split()
        if found:
            return int(found[0])
        time.sleep(0.5)
    return None


def deepest_child(window):
    """The innermost window in window's tree (ours: Ardour embeds it in a socket window),
    as (id, width, height); None when the window has gone."""
    tree = subprocess.run(["xwininfo", "-tree", "-id", str(window)], capture_output=True,
                          text=True).stdout
    found = [(len(m[0]), int(m[1], 16), int(m[2]), int(m[3]))
             for m in re.findall(r"^(\s+)(0x[0-9a-f]+) .*?\s(\d+)x(\d+)[+-]", tree, re.M)]
    found = [f for f in found if f[2] > 1 and f[3] > 1]
    return max(found, key=lambda f: f[0])[1:] if found else None


def rgb(path):
    """A picture's width and its pixels, row by row, as (r, g, b)."""
    w = int(run("identify", "-format", "%w", path))
    raw = run("convert", path, "-depth", "8", "rgb:-")
    return w, [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def off_panel(shot, size, scale, settings, with_name, name):
    """The places where the panel, centred in our window of size, differs by more than the
    tolerance from the snapshot at scale with settings (the preset's name left out unless
    with_name)."""
    wanted = os.path.join(ARTEFACTS, name + "-snapshot.png")
    run(HOST, "snapshot", "--scale", scale, *[a for s in settings for a in ("--set", s)], "--",
        wanted, env=ENV)
    (sw, got), (w, want) = rgb(shot), rgb(wanted)
    at = [(size[i] - round(PANEL[i] * scale)) // 2 for i in (0, 1)]
    fx, fy, fw, fh = [round(v * scale) for v in NAME_FIELD]
    return [(x, y) for y in range(len(want) // w) for x in range(w)
            if (with_name or not (fx <= x < fx + fw and fy <= y < fy + fh))
            and max(abs(a - b) for a, b in zip(got[(y + at[1]) * sw + x + at[0]],
                                              want[y * w + x])) > TOLERANCE]


def settled_capture(window, name, seconds=30.0):
    """A screenshot of our window inside Ardour's once three in a row, half a second apart,
    are the same (the view may be resized and repainted after it is first shown):
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


def drag_decay(ours, size, scale):
    """Drags the Decay knob up by DRAG pixels at scale 1 (times scale) as a person does, then
    moves the pointer off every window (a tooltip over ours would be captured)."""
    info = run("xwininfo", "-id", ours, text=True)
    x, y = [int(re.search(rf"Absolute upper-left {a}:\s+(-?\d+)", info)[1])
            + (size[i] - round(PANEL[i] * scale)) // 2 + round(DECAY_KNOB[i] * scale)
            for i, a in enumerate("XY")]
    moves = []
    for step in range(1, 11):
        moves += ["sleep", "0.03", "mousemove", x, y - round(DRAG * scale * step / 10)]
    corner = [int(v) - 1 for v in xdotool("getdisplaygeometry").split()]
    xdotool("mousemove", x, y, "sleep", "0.2", "mousedown", "1", *moves, "sleep", "0.1",
            "mouseup", "1", "sleep", "0.1", "mousemove", *corner)


def open_in_ardour(name, fmt, percent, preset):
    """A fresh session opened in Ardour's GUI at percent GUI scale: the process and Ardour's
    window for the plug-in, or None."""
    folder = os.path.join(ARTEFACTS, name)
    if not make_session(folder, fmt, preset):
        check(False, f"{name}: Ardour makes the session headless")
        return None, None
    mark_window_open(os.path.join(folder, "chordwell.ardour"))
    os.makedirs(CONFIG, exist_ok=True)
    for file, text in ((".a7", ""), ("config", RC_CONFIG),
                       ("ui_config", UI_CONFIG % (1024 * percent))):
        with open(os.path.join(CONFIG, file), "w") as f:
            f.write(text)
    log = open(os.path.join(ARTEFACTS, name + "-ardour.log"), "w")
    process = subprocess.Popen(["ardour", "--no-announcements", "--no-splash",
                                os.path.join(folder, "chordwell.ardour")], env=ENV,
                               stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
    window = plugin_window()
    check(window is not None, f"{name}: Ardour at {percent} % opens the plug-in's window")
    return process, window


def check_case(fmt, percent, preset=""):
    """Ardour at percent GUI scale shows our window whole, every pixel ours: the panel is the
    snapshot at that scale (but for the preset's name), centred on our own background; a drag
    on Decay at that scale turns it as far as the same drag at scale 1."""
    name, scale = f"{fmt}-{percent}", percent / 100
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
        check(w >= pw and h >= ph,
              f"{name}: our window holds the whole {pw} x {ph} panel ({w} x {h})")
        if w < pw or h < ph:
            return
        # Our window draws the name of the preset Ardour chose; the snapshot shows Default.
        off = off_panel(shot, (w, h), scale, [f"Decay={decay}%"] + settings, not preset, name)
        check(not off, f"{name}: the panel is the {scale:g}x snapshot ({len(off)} pixels "
              f"differ{', first at %d,%d' % off[0] if off else ''})")
        at = ((w - pw) // 2, (h - ph) // 2)
        around = [p for i, p in enumerate(rgb(shot)[1])
                  if not (at[0] <= i % w < at[0] + pw and at[1] <= i // w < at[1] + ph)]
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
        if process and process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                process.kill()


os.makedirs(ARTEFACTS, exist_ok=True)
for fmt in ("vst3", "lv2"):
    check_case(fmt, 200)  # Ardour at 200 % asks the view for scale 2
    # At 100 % a long preset name widens Ardour's preset box, and Ardour widens our window.
    check_case(fmt, 100, "Almost reverb")
sys.exit(1 if failures else 0)
