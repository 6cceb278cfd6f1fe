# Sourced by scripts/test.sh: Ardour 7, headless (ardour7-lua with its dummy backend), runs
# tests/ardour/vst3_session.lua against the release VST 3 bundle in a private home folder:
# the bundle installed in ~/.vst3 and indexed by Ardour's own VST 3 scanner (Ardour's headless
# sessions load VST 3 plug-ins from that index), then the session made, bounced, saved,
# reopened and checked. The two bounces (plug-in on and off) must differ.
ardour_suite() {
  echo "=== ardour: the VST 3 plug-in in a headless Ardour session"
  if ! command -v ardour7-lua >/dev/null; then
    status=1; failed+=("ardour (ardour7-lua missing)"); return 0
  fi
  local work="$root/build/release/ardour-vst3"
  rm -rf "$work"
  mkdir -p "$work/home"
  if ! "$root/tests/ardour/index_vst3.sh" "$work/home"; then
    status=1; failed+=("ardour (install and index)"); return 0
  fi
  HOME="$work/home" ORL_CHORDWELL_STORE_DIR="$work/settings" ORL_ARDOUR_SESSION="$work/session" \
    timeout 300 ardour7-lua "$root/tests/ardour/vst3_session.lua" >"$work/ardour.log" 2>&1 || true
  grep -E '^(ok|FAILED): |^ardour: ' "$work/ardour.log" || true
  local wet=("$work"/session/interchange/*/audiofiles/wet*L.wav)
  local dry=("$work"/session/interchange/*/audiofiles/dry*L.wav)
  if ! grep -q '^ardour: all checks passed' "$work/ardour.log"; then
    tail -20 "$work/ardour.log"
    status=1; failed+=("ardour"); return 0
  fi
  if ! python3 "$root/tests/ardour/compare_bounces.py" "${dry[0]}" "${wet[0]}"; then
    status=1; failed+=("ardour (bounce)"); return 0
  fi
}
ardour_suite
