# Sourced by scripts/test.sh: the real-window tests. chordwell-host edit runs on an Xvfb
# server started by xvfb-run and is driven by xdotool; screenshots and the host's output are
# kept in build/release/window-artefacts. Skipped, with a message, only where no X server can
# be started.
window_suite() {
  local dir="$root/build/release"
  local artefacts="$dir/window-artefacts"
  local screen=(-a -s "-screen 0 1280x1024x24 -noreset")
  echo "=== window: real-window tests under Xvfb"
  if ! command -v xvfb-run >/dev/null || ! xvfb-run "${screen[@]}" true 2>/dev/null; then
    echo "window: SKIPPED: no X server can be started here (xvfb-run missing or failing)"
    return 0
  fi
  if ! BUILD_TARGETS="chordwell-host ORLChordwell" "$root/scripts/build.sh" release; then
    status=1; failed+=("window (build)"); return 0
  fi
  rm -rf "$artefacts"
  if ! timeout 300 xvfb-run "${screen[@]}" \
       python3 "$root/tests/window/window_test.py" "$dir/host/chordwell-host" "$artefacts"; then
    status=1; failed+=("window")
  fi
  echo "window: screenshots in $artefacts"
}
window_suite
