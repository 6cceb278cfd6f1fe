#!/bin/sh
# window_idle.sh [LIMIT] [--pointer inside|outside] [--seconds N] [--scale S] [--host PATH]
# What an open editor window that nothing changes costs: starts a private X server, opens
# `chordwell-host edit` on it (silent where no audio device exists), waits for the window,
# then reads the main thread's CPU time (utime + stime) over N seconds (30 by default).
# Prints "window idle: X.XX % of a core"; exits 1 when that is above LIMIT (in % of a core),
# 2 when the window could not be measured.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
limit=""
pointer=outside
seconds=30
scale=1
host="$here/build/release/host/chordwell-host"
while [ $# -gt 0 ]; do
  case $1 in
  --pointer | --seconds | --scale | --host)
    if [ $# -lt 2 ]; then echo "$1 needs a value" >&2; exit 2; fi
    case $1 in
    --pointer) pointer=$2 ;; --seconds) seconds=$2 ;; --scale) scale=$2 ;; --host) host=$2 ;;
    esac
    shift 2 ;;
  -h | --help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
  *) limit=$1; shift ;;
  esac
done
case $pointer in inside | outside) ;; *) echo "--pointer: inside or outside" >&2; exit 2 ;; esac
case $seconds in '' | *[!0-9]* | 0) echo "--seconds: a whole number above 0" >&2; exit 2 ;; esac
if [ -n "$limit" ] && ! awk -v l="$limit" 'BEGIN { exit !(l ~ /^[0-9]+(\.[0-9]+)?$/) }'; then
  echo "limit: a number of % of a core, like 0.3" >&2
  exit 2
fi
if [ ! -x "$host" ]; then
  echo "no chordwell-host at $host: build it, or give --host" >&2
  exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/window-idle.XXXXXX")
xvfb="$here/tests/support/xvfb_display.sh"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  sh "$xvfb" stop "$work/x" >/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

# Room for the window at 3x with the pointer still off it.
sh "$xvfb" start "$work/x" 1600x1200x24 >/dev/null
if [ ! -s "$work/x/display" ]; then
  echo "no X server (Xvfb missing or failed to start)" >&2
  exit 2
fi
display=":$(cat "$work/x/display")"

# Settings of this run only, so hints are on and nothing of the user's changes the window. An
# empty sound configuration leaves the host no output device: nothing plays, nothing moves.
mkdir -p "$work/store"
DISPLAY=$display ORL_CHORDWELL_STORE_DIR="$work/store" ALSA_CONFIG_PATH=/dev/null \
  "$host" edit --scale "$scale" >"$work/edit.log" 2>&1 &
pid=$!
tries=0
while ! grep -q '^window 0x' "$work/edit.log" 2>/dev/null; do
  tries=$((tries + 1))
  if [ $tries -gt 300 ] || ! kill -0 "$pid" 2>/dev/null; then
    echo "the window did not open:" >&2
    cat "$work/edit.log" >&2
    exit 2
  fi
  sleep 0.1
done

if ! grep -q 'runs silently' "$work/edit.log"; then
  sleep 0.5
  if ! grep -q 'runs silently' "$work/edit.log"; then
    echo "the host plays audio, so the window is not idle:" >&2
    cat "$work/edit.log" >&2
    exit 2
  fi
fi

# The pointer rests on a knob (where a hint then shows) or away from the window.
if command -v xdotool >/dev/null 2>&1; then
  if [ "$pointer" = inside ]; then
    DISPLAY=$display xdotool mousemove "$(awk -v s="$scale" 'BEGIN { print int(91 * s) }')" \
      "$(awk -v s="$scale" 'BEGIN { print int(117 * s) }')"
  else
    DISPLAY=$display xdotool mousemove 1500 1100
  fi
elif [ "$pointer" = inside ]; then
  echo "--pointer inside needs xdotool" >&2
  exit 2
fi
# Let the window settle (first paint, the hint's delay) before measuring.
sleep 2

ticks() {
  # Fields 14 and 15 (utime, stime) after the command name, which may hold spaces.
  sed 's/^.*) //' "/proc/$pid/task/$pid/stat" | awk '{ print $12 + $13 }'
}
hz=$(getconf CLK_TCK)
start=$(ticks)
sleep "$seconds"
end=$(ticks)
if ! kill -0 "$pid" 2>/dev/null; then
  echo "the host ended while measuring:" >&2
  cat "$work/edit.log" >&2
  exit 2
fi
percent=$(awk -v a="$start" -v b="$end" -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "%.2f", (b - a) / hz / s * 100 }')
echo "window idle: $percent % of a core (main thread, ${seconds} s, pointer $pointer)"
if [ -n "$limit" ] && awk -v p="$percent" -v l="$limit" 'BEGIN { exit !(p > l) }'; then
  echo "above the limit of $limit %" >&2
  exit 1
fi
exit 0
