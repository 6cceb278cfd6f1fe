# Sourced by scripts/test.sh: the LV2 UI under Xvfb (its own tests run in ctest, on ctest's
# own Xvfb), first in JUCE's LV2 hosting (tests/lv2_juce_host: fifty opens and closes while
# audio runs), then the plug-in with its UI in jalv (GTK 3), with JACK's dummy
# driver, under Xvfb: the window opens at the editor's size; a drag on the Decay knob moves it
# and marks the preset edited (the port write's echo reached the shared bank); a preset chosen
# from jalv's Presets menu moves the knobs (port events). Pictures before and after each step
# are kept in build/release/lv2-jalv and compared region by region.
lv2_jalv_suite() {
  echo "=== lv2-jalv: the LV2 UI in jalv with JACK's dummy driver under Xvfb"
  local tool
  for tool in jalv.gtk3 jackd Xvfb xdotool import compare; do
    if ! command -v "$tool" >/dev/null; then
      status=1; failed+=("lv2-jalv ($tool missing)"); return 0
    fi
  done
  local rel="$root/build/release"
  local work="$rel/lv2-jalv"
  rm -rf "$work"
  mkdir -p "$work"
  local display=:57 server=orl-lv2-test
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  local xvfb=$!
  sleep 1
  local ok=1
  if ! (cd "$rel/tests/lv2_juce_host" && DISPLAY=$display ORL_CHORDWELL_STORE_DIR="$work/settings" \
          timeout 300 ./lv2_juce_host_tests --gtest_filter='*Editor*' --gtest_brief=1); then
    echo "lv2-jalv: FAILED: the editor in JUCE's LV2 hosting"; ok=0
  fi
  jackd --no-realtime -n "$server" -d dummy -r 48000 -p 256 >"$work/jack.log" 2>&1 &
  local jack=$!
  sleep 2
  DISPLAY=$display JACK_DEFAULT_SERVER=$server LV2_PATH="$rel/lv2/bundles" \
    ORL_CHORDWELL_STORE_DIR="$work/settings" HOME="$work" \
    timeout 60 jalv.gtk3 'https://www.orlund.com/lv2/chordwell#stereo' >"$work/jalv.log" 2>&1 &
  local jalv=$!
  local window=""
  for _ in $(seq 150); do
    window=$(DISPLAY=$display xdotool search --name 'ORL Chordwell Stereo' 2>/dev/null | head -1 || true)
    [[ -n $window ]] && break
    sleep 0.2
  done
  # The editor's window inside jalv's: 401 x 301 under jalv's menu bar.
  local size
  size=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -c ' 401x301+0+0 ' || true)
  if [[ -z $window || $size -lt 1 ]]; then
    echo "lv2-jalv: FAILED: no 401 x 301 editor window"; ok=0
  else
    echo "ok: the editor opens in jalv at 401 x 301"
    sleep 2
    local shot=(env DISPLAY=$display import -window root)
    "${shot[@]}" "$work/1-open.png"
    # Decay's knob and label, then the preset bar's name field.
    DISPLAY=$display xdotool mousemove 91 142 sleep 0.3 mousedown 1 sleep 0.1 \
      mousemove 91 139 sleep 0.05 mousemove 91 130 sleep 0.05 mousemove 91 115 sleep 0.05 \
      mousemove 91 100 sleep 0.2 mouseup 1
    sleep 1
    "${shot[@]}" "$work/2-dragged.png"
    # A preset from jalv's Presets menu, chosen with the keyboard.
    DISPLAY=$display xdotool mousemove 70 12 click 1 sleep 0.5 key Down Down Down Down Down \
      Down Down sleep 0.2 key Return
    sleep 1.5
    "${shot[@]}" "$work/3-preset.png"
    local differs
    differs() { # differs A B WxH+X+Y: the region differs between two pictures
      local n
      n=$(compare -metric AE -crop "$3" "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true)
      [[ ${n:-0} != 0 ]]
    }
    if differs "$work/1-open.png" "$work/2-dragged.png" 60x70+60+105 &&
       differs "$work/1-open.png" "$work/2-dragged.png" 146x14+92+309; then
      echo "ok: the drag moves Decay's knob and marks the preset edited"
    else
      echo "lv2-jalv: FAILED: the drag changed nothing"; ok=0
    fi
    if differs "$work/2-dragged.png" "$work/3-preset.png" 360x210+20+80; then
      echo "ok: a preset chosen in jalv's menu moves the knobs"
    else
      echo "lv2-jalv: FAILED: the preset moved no knob"; ok=0
    fi
  fi
  # Stopped by a signal, so their statuses say nothing; the sourcing script stops on errors.
  kill "$jalv" 2>/dev/null || true
  wait "$jalv" 2>/dev/null || true
  if grep -qiE 'segmentation|abort|assert' "$work/jalv.log"; then
    echo "lv2-jalv: FAILED: jalv ended badly"; tail -5 "$work/jalv.log"; ok=0
  fi
  kill "$jack" "$xvfb" 2>/dev/null || true
  wait "$jack" "$xvfb" 2>/dev/null || true
  if [[ $ok -ne 1 ]]; then
    status=1; failed+=("lv2-jalv"); return 0
  fi
}
lv2_jalv_suite
