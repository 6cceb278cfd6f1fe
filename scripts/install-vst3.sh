#!/usr/bin/env bash
# install-vst3.sh [BUILD] [DEST]: copies the built VST 3 bundle into the user's VST 3 folder
# (default ~/.vst3), where Linux hosts (Ardour, Reaper, Bitwig) look for it. Replaces an older
# copy of the same bundle only; builds it first if it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-release}
dest=${2:-$HOME/.vst3}
bundle="$root/build/$build/vst3/ORL Chordwell.vst3"
if [[ ! -f "$bundle/Contents/x86_64-linux/ORL Chordwell.so" ]]; then
  BUILD_TARGETS=orl_chordwell_vst3 "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
mkdir -p "$dest"
rm -rf "$dest/ORL Chordwell.vst3"
cp -r "$bundle" "$dest/"
echo "installed $dest/ORL Chordwell.vst3"
