# Sourced by scripts/test.sh: the plug-in's own window inside Ardour 7's GUI, on a private Xvfb
# server (tests/support/xvfb_display.sh, never display 0), in a private home folder: the VST 3
# bundle installed and indexed by Ardour's VST 3 scanner (tests/ardour/index_vst3.sh, as for
# 56-ardour.sh), the LV2 bundle
# on LV2_PATH; then tests/ardour/gui_window_test.py opens headless-made sessions in Ardour's GUI
# at GUI scales 200 % and 100 % and compares our window with chordwell-host's snapshots.
# Screenshots and Ardour's logs are kept in build/release/ardour-gui. Skipped, with a message,
# only where no X server can be started.
ardour_gui_suite() {
  echo "=== ardour-gui: the plug-in's window in Ardour's GUI under Xvfb"
  if ! command -v ardour >/dev/null || ! command -v ardour7-lua >/dev/null; then
    status=1; failed+=("ardour-gui (ardour missing)"); return 0
  fi
  if ! BUILD_TARGETS="chordwell-host ORLChordwell orl_chordwell_vst3 orl_chordwell_lv2" \
       "$root/scripts/build.sh" release; then
    status=1; failed+=("ardour-gui (build)"); return 0
  fi
  local work="$root/build/release/ardour-gui"
  rm -rf "$work"
  mkdir -p "$work/home"
  if ! "$root/tests/ardour/index_vst3.sh" "$work/home"; then
    status=1; failed+=("ardour-gui (install and index)"); return 0
  fi
  # Ardour's window at 200 % is wider than the usual test screen.
  local xvfb="$root/tests/support/xvfb_display.sh"
  "$xvfb" start "$work/x" 2560x1440x24
  if [[ ! -s "$work/x/display" ]]; then
    echo "ardour-gui: SKIPPED: no X server can be started here"
    return 0
  fi
  if ! LV2_PATH="$root/build/release/lv2/bundles:/usr/lib/lv2" timeout 300 \
       "$xvfb" run "$work/x" python3 "$root/tests/ardour/gui_window_test.py" \
       "$root/build/release/host/chordwell-host" "$work/home" "$work"; then
    status=1; failed+=("ardour-gui")
  fi
  "$xvfb" stop "$work/x"
  echo "ardour-gui: screenshots in $work"
}
ardour_gui_suite
