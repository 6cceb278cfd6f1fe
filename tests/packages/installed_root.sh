#!/usr/bin/env bash
# installed_root.sh DEB BUILD WORK: installs the Debian package with dpkg into a throwaway root
# and checks it from the system's paths only. Run as root; it re-runs itself in a private mount
# namespace where /usr, /etc and /var are overlays whose changes land in WORK, so nothing
# reaches the real system. Inside, with a fresh HOME (no ~/.lv2, no ~/.vst3): lilv and JUCE's
# VST 3 scan find the plug-ins in /usr/lib and render the build tree's bits, headless Ardour
# loads both formats, chordwell-host renders from PATH without --plugin, man shows its page;
# then dpkg --purge must leave no file of the package. One line a check; exit 1 on a failure.
set -uo pipefail
deb=$(realpath "$1") build=$(realpath "$2") work=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [[ ${ORL_IN_THROWAWAY_ROOT:-} != 1 ]]; then
  [[ $(id -u) -eq 0 ]] || { echo "FAILED: installing a package needs root"; exit 1; }
  rm -rf "$work"
  mkdir -p "$work"
  exec env ORL_IN_THROWAWAY_ROOT=1 unshare -m --propagation private "$0" "$@"
fi

for dir in usr etc var; do
  mkdir -p "$work/overlay/$dir/upper" "$work/overlay/$dir/work"
  mount -t overlay overlay \
    -o "lowerdir=/$dir,upperdir=$work/overlay/$dir/upper,workdir=$work/overlay/$dir/work" "/$dir" ||
    { echo "FAILED: no overlay on /$dir"; exit 1; }
done

failures=0
check() { # check "what" command...: runs the command, prints ok or FAILED with what.
  local what=$1; shift
  if "$@" >>"$work/checks.log" 2>&1; then echo "ok: $what"; else echo "FAILED: $what"; failures=1; fi
}

export HOME="$work/home" ORL_CHORDWELL_STORE_DIR="$work/settings"
mkdir -p "$HOME" "$work/out"
unset LV2_PATH XDG_DATA_HOME XDG_DATA_DIRS
cd "$work"

check "dpkg -i installs the package" dpkg -i "$deb"
uris=(https://www.orlund.com/lv2/chordwell#{mono,mono-stereo,stereo})
listed() { local found; found=$(lv2ls) && for u in "${uris[@]}"; do grep -qxF "$u" <<<"$found" || return 1; done; }
check "lv2ls lists the three URIs from /usr/lib/lv2" listed

sox -n -r 48000 -c 2 -b 32 -e floating-point "$work/in.wav" synth 0.25 pinknoise vol 0.5 pad 0 0.5
sox "$work/in.wav" -c 1 "$work/in-mono.wav" remix 1
same_lv2() { # same_lv2 URI IN: the installed plug-in renders the build tree's samples, bit for bit
  # (libsndfile's PEAK chunk carries the time of writing, so the files' bytes may differ).
  local name=${1##*#}
  lv2apply -i "$2" -o "$work/out/$name-installed.wav" -c decay 0.6 -c mix 0.5 "$1" &&
    LV2_PATH="$build/lv2/bundles" lv2apply -i "$2" -o "$work/out/$name-build.wav" \
      -c decay 0.6 -c mix 0.5 "$1" &&
    python3 "$root/tests/lv2/compare_wav.py" "$work/out/$name-installed.wav" "$work/out/$name-build.wav"
}
check "lv2apply: mono, the build tree's bits" same_lv2 "${uris[0]}" "$work/in-mono.wav"
check "lv2apply: stereo, the build tree's bits" same_lv2 "${uris[2]}" "$work/in.wav"

check "JUCE's VST 3 scan finds the bundle in /usr/lib/vst3 and renders the build tree's bits" \
  env ORL_VST3_INSTALLED_IN=/usr/lib/vst3 "$build/tests/vst3_host/vst3_juce_host_tests" \
    --gtest_filter='Vst3Scan.*'

host_renders() {
  [[ $(command -v chordwell-host) == /usr/bin/chordwell-host ]] &&
    chordwell-host --version | grep -qxF "chordwell-host $(dpkg-deb -f "$deb" Version | cut -d- -f1) (ORL Chordwell)" &&
    chordwell-host render --preset 3 --tail 0.5 "$work/in.wav" "$work/out/host-installed.wav" &&
    "$build/host/chordwell-host" render --preset 3 --tail 0.5 "$work/in.wav" "$work/out/host-build.wav" &&
    cmp "$work/out/host-installed.wav" "$work/out/host-build.wav"
}
check "chordwell-host from PATH renders without --plugin, the build tree's bits" host_renders
check "the manual is installed where the \"?\" button looks" test -s /usr/share/doc/orl-chordwell/manual.html
check "man chordwell-host shows the page" \
  bash -c 'MANPAGER=cat MANWIDTH=80 man chordwell-host | grep -q "EXIT STATUS"'

if command -v ardour7-lua >/dev/null; then
  ardour_lv2() {
    ORL_ARDOUR_SESSION="$work/ardour-lv2" timeout 300 ardour7-lua "$root/tests/ardour/lv2_session.lua" \
      >"$work/ardour-lv2.log" 2>&1
    grep -q '^ardour: all checks passed' "$work/ardour-lv2.log"
  }
  ardour_vst3() {
    # Ardour's headless sessions take VST 3 plug-ins from its scanner's index, which it takes
    # only when newer than the module (the package's files carry the commit's time).
    LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 120 /usr/lib/ardour7/ardour-vst3-scanner -f -q \
      "/usr/lib/vst3/ORL Chordwell.vst3" &&
      ORL_ARDOUR_SESSION="$work/ardour-vst3" timeout 300 ardour7-lua "$root/tests/ardour/vst3_session.lua" \
        >"$work/ardour-vst3.log" 2>&1
    grep -q '^ardour: all checks passed' "$work/ardour-vst3.log"
  }
  check "headless Ardour loads the LV2 plug-in from /usr/lib/lv2" ardour_lv2
  check "headless Ardour loads the VST 3 plug-in from /usr/lib/vst3" ardour_vst3
else
  echo "FAILED: ardour7-lua missing"; failures=1
fi

dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); sub(/^\./, ""); print }' |
  sed 's/ -> .*//' >"$work/package-files"
purged() {
  dpkg --purge orl-chordwell || return 1
  local path left=0
  while IFS= read -r path; do
    [[ -z $path || $path == / || $path == */ ]] && continue
    if [[ -e $path || -L $path ]]; then echo "left: $path"; left=1; fi
  done <"$work/package-files"
  # Folders only the package made are gone too.
  for path in "/usr/lib/vst3/ORL Chordwell.vst3" /usr/lib/lv2/orl-chordwell.lv2 \
              /usr/lib/orl-chordwell /usr/share/doc/orl-chordwell; do
    [[ -e $path ]] && { echo "left: $path"; left=1; }
  done
  return $left
}
check "dpkg --purge leaves no file of the package" purged
[[ $failures -eq 0 ]] || { echo "(details: $work/checks.log)"; exit 1; }
