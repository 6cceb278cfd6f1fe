# Sourced by scripts/test.sh: Ardour 7, headless (ardour7-lua with its dummy backend), runs
# tests/ardour/lv2_session.lua against the release LV2 bundle (on LV2_PATH) in a private home
# folder: the session made with a factory preset and a value, bounced with the plug-in on and
# off (the bounces must differ), saved with that preset current in its bank; the saved
# plug-in state then given a bank that
# `chordwell-host render` wrote (another current preset, an edited value); the session
# reopened and checked, saved again, and the bank Ardour saved must be that bank, byte for byte.
ardour_lv2_suite() {
  echo "=== ardour-lv2: the LV2 plug-in in a headless Ardour session"
  if ! command -v ardour7-lua >/dev/null; then
    status=1; failed+=("ardour-lv2 (ardour7-lua missing)"); return 0
  fi
  local rel="$root/build/release"
  local work="$rel/ardour-lv2"
  rm -rf "$work"
  mkdir -p "$work/home"
  local run=(env HOME="$work/home" LV2_PATH="$rel/lv2/bundles:/usr/lib/lv2"
             ORL_CHORDWELL_STORE_DIR="$work/settings" ORL_ARDOUR_SESSION="$work/session")
  "${run[@]}" timeout 300 ardour7-lua "$root/tests/ardour/lv2_session.lua" >"$work/create.log" 2>&1 || true
  grep -E '^(ok|FAILED): |^ardour: ' "$work/create.log" || true
  if ! grep -q '^ardour: all checks passed' "$work/create.log"; then
    tail -20 "$work/create.log"; status=1; failed+=("ardour-lv2 (session)"); return 0
  fi
  local wet=("$work"/session/interchange/*/audiofiles/wet*L.wav)
  local dry=("$work"/session/interchange/*/audiofiles/dry*L.wav)
  if ! python3 "$root/tests/ardour/compare_bounces.py" "${dry[0]}" "${wet[0]}"; then
    status=1; failed+=("ardour-lv2 (bounce)"); return 0
  fi
  # The factory preset chosen from Ardour's menu is the current preset of the bank it saved.
  if ! ORL_CHORDWELL_STORE_DIR="$work/settings" "$rel/host/chordwell-host" render --demo --tail 0.1 \
         --preset "Low & Dark" --state-out "$work/low-dark.all" "$work/scratch.wav" >/dev/null ||
     ! python3 "$root/tests/ardour/lv2_bank.py" check "$work/session" "$work/low-dark.all"; then
    status=1; failed+=("ardour-lv2 (preset current in the bank)"); return 0
  fi
  local state=("$work"/session/plugins/*/state*/state.ttl)
  if ! ORL_CHORDWELL_STORE_DIR="$work/settings" "$rel/host/chordwell-host" render --demo --tail 0.1 \
         --preset High --set decay=0.875 --state-out "$work/bank.all" "$work/scratch.wav" >/dev/null ||
     ! python3 "$root/tests/ardour/lv2_bank.py" put "${state[0]}" "$work/bank.all"; then
    status=1; failed+=("ardour-lv2 (bank)"); return 0
  fi
  "${run[@]}" ORL_ARDOUR_PHASE=reopen timeout 300 ardour7-lua "$root/tests/ardour/lv2_session.lua" \
    >"$work/reopen.log" 2>&1 || true
  grep -E '^(ok|FAILED): |^ardour: ' "$work/reopen.log" || true
  if ! grep -q '^ardour: all checks passed' "$work/reopen.log"; then
    tail -20 "$work/reopen.log"; status=1; failed+=("ardour-lv2 (reopen)"); return 0
  fi
  if ! python3 "$root/tests/ardour/lv2_bank.py" check "$work/session" "$work/bank.all"; then
    status=1; failed+=("ardour-lv2 (bank kept)"); return 0
  fi
}
ardour_lv2_suite
