#!/usr/bin/env bash
# archive_install.sh ARCHIVE BUILD WORK: the portable Linux archive unpacked and its install.sh
# run with a fresh HOME: lilv and JUCE's VST 3 scan find the plug-ins in ~/.lv2 and ~/.vst3,
# chordwell-host runs from ~/.local/bin without --plugin; then install.sh --uninstall must
# leave the home folder as it was. One line a check; exit 1 on a failure.
set -uo pipefail
archive=$(realpath "$1") build=$(realpath "$2") work=$(realpath -m "$3")
rm -rf "$work"
mkdir -p "$work/home" "$work/unpacked"
failures=0
check() {
  local what=$1; shift
  if "$@" >>"$work/checks.log" 2>&1; then echo "ok: $what"; else echo "FAILED: $what"; failures=1; fi
}
export HOME="$work/home" ORL_CHORDWELL_STORE_DIR="$work/settings"
unset LV2_PATH XDG_DATA_HOME XDG_DATA_DIRS
tar -C "$work/unpacked" -xzf "$archive"
folder=("$work/unpacked"/*)
# The user's own plug-in and program beside ours must survive the uninstall.
mkdir -p "$HOME/.vst3/Other.vst3" "$HOME/.local/bin"
touch "$HOME/.vst3/Other.vst3/module" "$HOME/.local/bin/own-tool"
find "$HOME" | sort >"$work/home-before"

check "install.sh installs into the fresh home" "${folder[0]}/install.sh"
listed() {
  local found u
  found=$(lv2ls) || return 1
  for u in https://www.orlund.com/lv2/chordwell#{mono,mono-stereo,stereo}; do
    grep -qxF "$u" <<<"$found" || return 1
  done
  [[ -f "$HOME/.lv2/orl-chordwell.lv2/manifest.ttl" ]]
}
check "lv2ls lists the three URIs from ~/.lv2" listed
check "JUCE's VST 3 scan finds the bundle in ~/.vst3 and renders the build tree's bits" \
  env ORL_VST3_INSTALLED_IN="$HOME/.vst3" "$build/tests/vst3_host/vst3_juce_host_tests" \
    --gtest_filter='Vst3Scan.*'
check "chordwell-host from ~/.local/bin renders without --plugin" \
  "$HOME/.local/bin/chordwell-host" render --tail 0.1 "$work/demo.wav"
check "the manual is where the \"?\" button looks" test -s "$HOME/.local/share/doc/orl-chordwell/manual.html"

uninstalled() {
  "${folder[0]}/install.sh" --uninstall || return 1
  # Whatever the checks themselves wrote (JUCE's settings, caches) is not the installer's.
  find "$HOME" | grep -v -e "^$HOME/.config" -e "^$HOME/.cache" | sort >"$work/home-after"
  diff "$work/home-before" "$work/home-after"
}
check "install.sh --uninstall removes what it installed" uninstalled
[[ $failures -eq 0 ]] || { echo "(details: $work/checks.log)"; exit 1; }
