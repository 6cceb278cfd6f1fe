# Sourced by scripts/test.sh: the Windows build (MinGW-w64 cross-build, build/windows) proven
# under Wine: the unit tests built for Windows (ctest runs each program in wine), chordwell-host.exe
# against the Linux build (render bit for bit, describe, inspect, snapshot pixel for pixel),
# the registry round trip read back with `wine reg query`, the editor window under Wine on
# Xvfb with a knob dragged by xdotool (at 96 and at 192 DPI), and the VST 3 editor in JUCE's hosting under Wine
# (tests/vst3_host). Skipped, with a message, only where Wine cannot run.
windows_suite() {
  local dir="$root/build/windows"
  echo "=== windows: cross-build with MinGW-w64"
  if ! "$root/scripts/build.sh" windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
       -DCMAKE_BUILD_TYPE=Release; then
    status=1; failed+=("windows (build)"); return 0
  fi
  # A Wine prefix of the test run's own, made once per build folder; no Mono or Gecko prompts.
  export WINEPREFIX="$dir/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    if ! timeout 300 wineboot -i >/dev/null 2>&1; then
      echo "windows: SKIPPED: wine cannot start here (wineboot failed)"
      return 0
    fi
  fi
  wineserver -w 2>/dev/null || true
  echo "=== windows: unit tests under Wine"
  if ! (cd "$dir" && ctest --output-on-failure -j "$jobs"); then
    status=1; failed+=("windows (unit tests)")
  fi
  echo "=== windows: chordwell-host.exe against the Linux build"
  if ! timeout 600 "$root/scripts/windows/host-compare.sh" "$root/build/release" "$dir"; then
    status=1; failed+=("windows (host compare)")
  fi
  echo "=== windows: registry round trip"
  if ! timeout 300 "$root/scripts/windows/registry-roundtrip.sh" "$dir"; then
    status=1; failed+=("windows (registry)")
  fi
  echo "=== windows: the editor window under Wine on Xvfb"
  local screen=(-a -s "-screen 0 1024x768x24")
  if ! command -v xvfb-run >/dev/null || ! xvfb-run "${screen[@]}" true 2>/dev/null; then
    echo "windows editor: SKIPPED: no X server can be started here"
    wineserver -k 2>/dev/null || true
    return 0
  fi
  # A Wine session begun without a display (the steps above) gives the programs that join it
  # no screen and no mouse: it ends before the first window.
  wineserver -w 2>/dev/null || true
  if ! timeout 300 xvfb-run "${screen[@]}" python3 "$root/tests/windows/wine_editor_test.py" \
       "$dir/host/chordwell-host.exe" "$dir/window-artefacts"; then
    status=1; failed+=("windows (editor)")
  fi
  echo "=== windows: the editor window at 192 DPI (drawn at 2x)"
  if ! timeout 300 xvfb-run "${screen[@]}" python3 "$root/tests/windows/wine_editor_test.py" \
       "$dir/host/chordwell-host.exe" "$dir/window-artefacts" 192; then
    status=1; failed+=("windows (editor at 192 DPI)")
  fi
  echo "=== windows: the VST 3 editor in JUCE's hosting under Wine on Xvfb"
  # With no window manager Wine waits 2 s for one to withdraw each window it closes: the test
  # program's windows are left unmanaged, or its fifty openings take minutes. Wine's session
  # ends again after that edit made without a display.
  wine reg add 'HKCU\Software\Wine\AppDefaults\vst3_juce_host_tests.exe\X11 Driver' \
    /v Managed /d N /f >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
  if ! (cd "$dir" && ORL_CHORDWELL_STORE_DIR="$dir/test-settings" timeout 300 \
        xvfb-run "${screen[@]}" wine ./tests/vst3_host/vst3_juce_host_tests.exe \
        --gtest_filter='Vst3Editor*'); then
    status=1; failed+=("windows (VST 3 editor)")
  fi
  wineserver -k 2>/dev/null || true
}
windows_suite
