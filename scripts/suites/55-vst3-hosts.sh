# Sourced by scripts/test.sh: the VST 3 bundle's editor in JUCE's VST 3 hosting on an Xvfb
# server (a knob dragged with xdotool, the window opened and closed while audio runs), in the
# release build and under AddressSanitizer. The rest of that program runs in ctest. Skipped,
# with a message, only where no X server can be started.
vst3_hosts_suite() {
  local screen=(-a -s "-screen 0 1024x768x24")
  echo "=== vst3-hosts: the VST 3 editor in JUCE's hosting under Xvfb"
  if ! command -v xvfb-run >/dev/null || ! xvfb-run "${screen[@]}" true 2>/dev/null; then
    echo "vst3-hosts: SKIPPED: no X server can be started here (xvfb-run missing or failing)"
    return 0
  fi
  local build
  for build in release asan; do
    local dir="$root/build/$build"
    if [[ ! -x "$dir/tests/vst3_host/vst3_juce_host_tests" ]]; then
      status=1; failed+=("vst3-hosts ($build: not built)"); continue
    fi
    if ! (cd "$dir" && ORL_CHORDWELL_STORE_DIR="$dir/test-settings" timeout 600 \
          xvfb-run "${screen[@]}" ./tests/vst3_host/vst3_juce_host_tests \
          --gtest_filter='Vst3Editor*'); then
      status=1; failed+=("vst3-hosts ($build)")
    fi
  done
}
vst3_hosts_suite
