#!/usr/bin/env bash
# The main job: install what is missing, build, and render the built-in demo through the
# plug-in in chordwell-host. Extra arguments go to `chordwell-host render`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_TARGETS="chordwell-host ORLChordwell orl_chordwell_vst3 orl_chordwell_lv2" "$root/scripts/build.sh" release -DCMAKE_BUILD_TYPE=RelWithDebInfo
mkdir -p "$root/out"
# The installation's step: the window's "?" button opens this manual.
"$root/build/release/host/chordwell-host" install-manual "$root/docs/manual.html"
# The demo this script rendered before is replaced on purpose.
rm -f "$root/out/demo.wav"
"$root/build/release/host/chordwell-host" render "$@" "$root/out/demo.wav"
echo "VST 3 bundle: $root/build/release/vst3/ORL Chordwell.vst3 (./scripts/install-vst3.sh puts it in ~/.vst3)"
echo "LV2 bundle: $root/build/release/lv2/bundles/orl-chordwell.lv2 (./scripts/install-lv2.sh puts it in ~/.lv2)"
