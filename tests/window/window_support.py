"""What the real-window tests share (tests/window on Linux, tests/windows under Wine): the
checks and their failures, xdotool, and the lines a running chordwell-host prints."""
import re
import subprocess
import threading
import time

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def xdotool(*args, must_succeed=True):
    return subprocess.run(["xdotool", *map(str, args)], check=must_succeed, capture_output=True,
                          text=True).stdout


class HostOutput:
    """A process's output lines, collected on a thread of their own as they come."""

    def __init__(self, process):
        self.lines = []
        threading.Thread(target=self._read, args=(process,), daemon=True).start()

    def _read(self, process):
        for line in process.stdout:
            self.lines.append(line.rstrip("\r\n"))

    def wait_for(self, pattern, since=0, seconds=5.0):
        """The first line from index since on that matches pattern, or None after seconds."""
        end = time.time() + seconds
        while time.time() < end:
            for line in self.lines[since:]:
                if re.search(pattern, line):
                    return line
            time.sleep(0.05)
        return None
