#!/usr/bin/env bash
# install-lv2.sh [BUILD] [DEST]: copies the built LV2 bundle into the user's LV2 folder
# (default ~/.lv2), where Linux hosts (Ardour, Carla, Qtractor, jalv) look for it. Replaces an
# older copy of the same bundle only; builds it first if it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-release}
dest=${2:-$HOME/.lv2}
bundle="$root/build/$build/lv2/bundles/orl-chordwell.lv2"
if [[ ! -f "$bundle/orl-chordwell.so" || ! -f "$bundle/manifest.ttl" ]]; then
  BUILD_TARGETS=orl_chordwell_lv2 "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
mkdir -p "$dest"
rm -rf "$dest/orl-chordwell.lv2"
cp -r "$bundle" "$dest/"
echo "installed $dest/orl-chordwell.lv2"
