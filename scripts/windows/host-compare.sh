#!/usr/bin/env bash
# host-compare.sh <linux build dir> <windows build dir>: runs chordwell-host (Linux) and
# chordwell-host.exe (under Wine) on the same inputs and compares what they make: renders of
# the demo and of sox-made files in several codings (with presets, edits, automation, states
# in and out) byte for byte, describe and inspect (text and JSON) line for line, the
# deterministic validate checks modulo timings, exit statuses of refused and failing command
# lines, and the snapshot pictures pixel for pixel outside the boxes of text drawn at run time.
# Prints every difference; exits 1 when there is one, 2 when something needed is missing.
# Uses $WINEPREFIX when set.
# HOST_COMPARE_SKIP="snapshot validate" leaves those cases out.
set -euo pipefail
usage='usage: host-compare.sh <linux build dir> <windows build dir>'
linux_build=${1:?$usage}
windows_build=${2:?$usage}
linux_host=$(realpath "$linux_build/host/chordwell-host")
windows_host=$(realpath "$windows_build/host/chordwell-host.exe")
skip=" ${HOST_COMPARE_SKIP:-} "
export WINEDEBUG=${WINEDEBUG:--all}
if [[ -n ${WINEPREFIX:-} ]]; then export WINEPREFIX; fi

missing=0
for need in "$linux_host" "$windows_host" "$(dirname "$windows_host")/ORLChordwell.dll"; do
  [[ -f $need ]] || { echo "host-compare: $need is missing (build it first)" >&2; missing=1; }
done
for tool in wine sox cmp; do
  command -v "$tool" >/dev/null || { echo "host-compare: $tool is not installed" >&2; missing=1; }
done
((missing == 0)) || exit 2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in" "$work/linux" "$work/windows"

differences=0
differ() {
  echo "DIFFERENT $*"
  differences=$((differences + 1))
}

# Wine's own diagnostics, should WINEDEBUG let any through, are not the program's output; CR
# line ends are Windows text.
clean() { tr -d '\r' <"$1" | grep -Ev '^[0-9a-f]{4}:(fixme|err|warn|trace):' || true; }

# run <case> <arguments...>: both hosts, each in its own folder with the same relative paths,
# so that the texts they print match; keeps status, stdout and stderr per case.
run() {
  local name=$1 status
  shift
  status=0
  (cd "$work/linux" && "$linux_host" "$@" >"$name.out" 2>"$name.err") || status=$?
  echo "$status" >"$work/linux/$name.status"
  status=0
  (cd "$work/windows" && wine "$windows_host" "$@" >"$name.out" 2>"$name.err") || status=$?
  echo "$status" >"$work/windows/$name.status"
}

same_status() {
  local l w
  l=$(<"$work/linux/$1.status")
  w=$(<"$work/windows/$1.status")
  [[ $l == "$w" ]] || differ "$1: exit status $l on Linux, $w on Windows ($(clean "$work/windows/$1.err" | head -3))"
}

# same_text <case> [<sed expression>]: stdout and stderr, line ends and the sed's edits aside.
same_text() {
  local stream a b
  for stream in out err; do
    a=$(clean "$work/linux/$1.$stream" | sed -E "${2:-}")
    b=$(clean "$work/windows/$1.$stream" | sed -E "${2:-}")
    if [[ $a != "$b" ]]; then
      differ "$1: std$stream"
      diff <(echo "$a") <(echo "$b") | head -20 | sed 's/^/    /' || true
    fi
  done
}

same_file() { # <case> <file>
  if [[ ! -f $work/linux/$2 || ! -f $work/windows/$2 ]]; then
    local made=()
    [[ -f $work/linux/$2 ]] && made+=(Linux)
    [[ -f $work/windows/$2 ]] && made+=(Windows)
    differ "$1: $2 was not written by both (only by: ${made[*]:-neither})"
  elif ! cmp -s "$work/linux/$2" "$work/windows/$2"; then
    differ "$1: $2 differs: $(cmp "$work/linux/$2" "$work/windows/$2" 2>&1 | head -1)"
  fi
}

# A case meant to succeed that fails on Linux too would compare equal and prove nothing.
succeeded() {
  [[ $(<"$work/linux/$1.status") == 0 ]] && return 0
  differ "$1: failed on Linux already, so nothing is compared: $(clean "$work/linux/$1.err" | head -3)"
  return 1
}

compare_run() { # <case> <files...>: a success on both, its texts and files
  local name=$1 file
  shift
  succeeded "$name" || return 0
  same_status "$name"
  same_text "$name"
  for file in "$@"; do same_file "$name" "$file"; done
}

# Inputs in the codings a user brings: 16-bit stereo, 24-bit mono (extensible), float stereo,
# 8-bit, 64-bit float.
in=$work/in
sox -n -r 44100 -c 2 -b 16 "$in/s16.wav" synth 0.6 sine 440 sine 660 gain -3
sox -n -r 48000 -c 1 -b 24 "$in/m24.wav" synth 0.4 pluck 220
sox -n -r 22050 -c 2 -b 32 -e floating-point "$in/f32.wav" synth 0.4 sine 300 square 500 gain -2
sox -n -r 8000 -c 1 -b 8 -e unsigned-integer "$in/u8.wav" synth 0.3 sine 200
sox -n -r 96000 -c 2 -b 64 -e floating-point "$in/f64.wav" synth 0.2 sine 1000 noise gain -9

run demo render demo.wav
compare_run demo demo.wav
for coding in s16 m24 f32 u8 f64; do
  run "render-$coding" render --tail 0.3 "../in/$coding.wav" "$coding.wav"
  compare_run "render-$coding" "$coding.wav"
done
run edited render --preset 4 --set decay=0.3 --set mix=0.8 --automate transpose@0.2=0.9 \
  --tail 0.4 --block 300 --state-out edited.state ../in/s16.wav edited.wav
compare_run edited edited.wav edited.state
run unicode render --layout mono-stereo --tail 0.1 ../in/m24.wav 'sortie é♪.wav'
compare_run unicode 'sortie é♪.wav'

# A state and a bank as the Linux host writes them: the bank image is the 'All ' chunk's data
# after its 8-byte prefix. A state file: 12 bytes of header, then chunks of an id (in reading
# order), a little-endian size and the data.
state=$work/linux/edited.state
if [[ ! -f $state ]]; then
  echo "host-compare: the Linux host wrote no state; the cases that read one are left out" >&2
  state=
fi
chunk=12
while [[ -n $state ]] && ((chunk + 8 <= $(stat -c %s "$state"))); do
  id=$(dd if="$state" bs=1 skip=$chunk count=4 status=none)
  size=$(od -An -tu4 -j$((chunk + 4)) -N4 "$state" | tr -d ' ')
  if [[ $id == "All " ]]; then
    dd if="$state" of="$in/bank.orb" bs=1 skip=$((chunk + 16)) count=4281 status=none
    break
  fi
  chunk=$((chunk + 8 + size))
done
[[ -z $state ]] || cp "$state" "$in/linux.state"
run state-in render --state-in ../in/linux.state --tail 0.2 ../in/f32.wav restored.wav
compare_run state-in restored.wav
run bank-file render --bank-file ../in/bank.orb --bank-preset 2 --tail 0.2 bank.wav
compare_run bank-file bank.wav

run describe describe
compare_run describe
run describe-json describe --json
compare_run describe-json
run inspect inspect ../in/bank.orb
compare_run inspect
run inspect-json inspect --json ../in/bank.orb
compare_run inspect-json

# Refused and failing command lines end alike (the system's words for a missing file differ).
mkdir "$work/linux/folder" "$work/windows/folder"
run refused-block render --block 0 x.wav
same_status refused-block
same_text refused-block
run missing-input render ../in/missing.wav x.wav
same_status missing-input
run folder-output render --tail 0 ../in/s16.wav folder
same_status folder-output
same_text folder-output
run junk-bank render --bank-file ../in/s16.wav x.wav
same_status junk-bank

if [[ $skip != *" validate "* ]]; then
  # The checks whose counts depend only on the seed; the timings and the library's path differ.
  run validate validate --check lifecycles --check rates --check parameters --check round \
    --check damaged
  if succeeded validate; then
    same_status validate
    same_text validate 's/ \([0-9.]+ s\)//; s/^validate .* at level/validate at level/'
  fi
fi

if [[ $skip != *" snapshot "* ]]; then
  run snapshot snapshot front.png
  run snapshot-rear snapshot --rear rear.png
  compare_run snapshot
  compare_run snapshot-rear
  # Text drawn while the program runs (the seven value labels, the preset bar, the rear's
  # version and format lines) goes through each system's own font engine (FreeType on Linux,
  # the Windows text code under Wine) and differs in its anti-aliasing; everything else (the
  # artwork, the knobs, the layout) must be the same pixels. Those boxes are blanked on both
  # pictures before ImageMagick counts the pixels that differ.
  front_text=(62,147,121,169 172,137,231,159 280,147,339,169 121,183,180,205 223,183,282,205
              66,233,125,255 277,233,336,255 0,282,400,300)
  rear_text=(220,110,305,132 105,165,300,190 0,282,400,300)
  for picture in front.png rear.png; do
    a=$work/linux/$picture
    b=$work/windows/$picture
    if [[ ! -f $a || ! -f $b ]]; then
      differ "snapshot: $picture was not written by both"
      continue
    fi
    cmp -s "$a" "$b" && continue
    if ! command -v compare >/dev/null; then
      differ "snapshot: $picture differs (no ImageMagick to compare its pixels)"
      continue
    fi
    boxes=("${front_text[@]}")
    [[ $picture == rear.png ]] && boxes=("${rear_text[@]}")
    draw=()
    for box in "${boxes[@]}"; do draw+=(-draw "rectangle ${box//,/ }"); done
    for side in linux windows; do
      convert "$work/$side/$picture" -fill black "${draw[@]}" "$work/$side/masked-$picture"
    done
    all=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
    pixels=$(compare -metric AE "$work/linux/masked-$picture" "$work/windows/masked-$picture" \
      null: 2>&1 || true)
    if [[ $pixels == 0 ]]; then
      echo "snapshot: $picture: the same pixels outside the text boxes ($all differ inside them)"
    else
      differ "snapshot: $picture: $pixels pixels differ outside the text boxes"
    fi
  done
fi

if ((differences > 0)); then
  echo "host-compare: $differences differences between chordwell-host and chordwell-host.exe"
  exit 1
fi
echo "host-compare: chordwell-host.exe matches chordwell-host"
