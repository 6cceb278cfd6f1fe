# Sourced by scripts/test.sh: the LV2 bundle of the release build in the lilv tools. Its
# generated Turtle must pass lv2_validate against the LV2 schemas. For each
# plug-in URI, lv2apply (one frame per run) renders a file with port values set and must
# match our lilv renderer at one frame per run bit for bit; that renderer at 512 and at 2
# frames per run must match `chordwell-host render` at the same block length, with values and
# with a factory preset (other sample rates: ctest's Lv2Rates). lv2bench then times each URI
# beside Ardour's ACE Reverb.
lv2_suite() {
  echo "=== lv2: the LV2 bundle in lv2apply, lv2bench and lilv"
  local rel="$root/build/release"
  local work="$rel/lv2-suite"
  local render="$rel/tests/lv2/chordwell-lv2-render"
  local host="$rel/host/chordwell-host"
  local compare="$root/tests/lv2/compare_wav.py"
  local tool
  for tool in lv2apply lv2bench lv2_validate sox; do
    if ! command -v "$tool" >/dev/null; then
      status=1; failed+=("lv2 ($tool missing)"); return 0
    fi
  done
  rm -rf "$work"
  mkdir -p "$work"
  export LV2_PATH="$rel/lv2/bundles"
  export ORL_CHORDWELL_STORE_DIR="$work/settings"
  # Noise bursts, then silence for the strings to ring into.
  sox -n -r 48000 -c 1 -b 32 -e floating-point "$work/mono.wav" synth 0.25 pinknoise vol 0.5 pad 0 0.75
  sox -n -r 48000 -c 2 -b 32 -e floating-point "$work/stereo.wav" synth 0.25 pinknoise vol 0.5 pad 0 0.75
  local controls=(-c decay 0.6 -c damp 0.125 -c transpose 0.75 -c tune 0.62 -c detune 0.35 -c mix 0.5)
  local sets=(--set decay=0.6 --set damp=0.125 --set transpose=0.75 --set tune=0.62 --set detune=0.35
              --set mix=0.5)
  local layout in uri ok=1
  local bundle="$LV2_PATH/orl-chordwell.lv2" report
  if report=$(cd "$bundle" && lv2_validate manifest.ttl orl-chordwell.ttl presets.ttl 2>&1) &&
     ! grep -q '^error' <<<"$report"; then
    echo "lv2_validate: $(tail -1 <<<"$report")"
  else
    grep -A3 '^error' <<<"$report" | head -20; ok=0
  fi
  for layout in mono mono-stereo stereo; do
    in="$work/mono.wav"; [[ $layout == stereo ]] && in="$work/stereo.wav"
    uri="https://www.orlund.com/lv2/chordwell#$layout"
    local out="$work/$layout"
    if ! lv2apply -i "$in" -o "$out-apply.wav" "${controls[@]}" "$uri" ||
       ! "$render" --block 1 "${controls[@]}" "$uri" "$in" "$out-1.wav" ||
       ! echo -n "$layout: lv2apply against lilv at 1 frame: " ||
       ! python3 "$compare" "$out-apply.wav" "$out-1.wav"; then
      ok=0; continue
    fi
    local block
    for block in 512 2; do
      echo -n "$layout: lilv against chordwell-host at $block frames: "
      if ! "$render" --block "$block" "${controls[@]}" "$uri" "$in" "$out-lv2-$block.wav" ||
         ! "$host" render --layout "$layout" --block "$block" --tail 0 "${sets[@]}" "$in" \
             "$out-host-$block.wav" >/dev/null ||
         ! python3 "$compare" "$out-lv2-$block.wav" "$out-host-$block.wav"; then
        ok=0
      fi
    done
    echo -n "$layout: preset Low & Dark: "
    if ! "$render" --preset "Low & Dark" "$uri" "$in" "$out-preset-lv2.wav" ||
       ! "$host" render --layout "$layout" --tail 0 --preset "Low & Dark" "$in" \
           "$out-preset-host.wav" >/dev/null ||
       ! python3 "$compare" "$out-preset-lv2.wav" "$out-preset-host.wav"; then
      ok=0
    fi
  done
  # lv2bench prints "SECONDS URI" for the frames it ran; skipped plug-ins print nothing.
  local bench frames=4800000
  for uri in https://www.orlund.com/lv2/chordwell#{mono,mono-stereo,stereo} urn:ardour:a-reverb; do
    bench=$(LV2_PATH="$LV2_PATH:/usr/lib/lv2" timeout 120 lv2bench -b 512 -n "$frames" "$uri" \
              2>/dev/null | awk -v n="$frames" 'NF == 2 { printf "%.1f", $1 / n * 1e9 }')
    if [[ -z $bench ]]; then
      [[ $uri == urn:* ]] && { echo "lv2bench: $uri not available"; continue; }
      echo "lv2bench: FAILED: $uri"; ok=0; continue
    fi
    echo "lv2bench: $uri: $bench ns per frame (512-frame blocks)"
  done
  if [[ $ok -ne 1 ]]; then
    status=1; failed+=("lv2"); return 0
  fi
}
lv2_suite
