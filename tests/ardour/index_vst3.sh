#!/usr/bin/env bash
# index_vst3.sh HOME: the release VST 3 bundle installed into HOME/.vst3 and indexed by
# Ardour's own VST 3 scanner there (Ardour's sessions load VST 3 plug-ins from that index).
# The Ardour suites share it; says which step failed and exits 1.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
home=$1
if ! HOME="$home" "$root/scripts/install-vst3.sh" release "$home/.vst3" >/dev/null; then
  echo "index_vst3.sh: installing the bundle failed" >&2; exit 1
fi
bundle="$home/.vst3/ORL Chordwell.vst3"
# The scanner's index is taken only when it is newer than the module, to the second.
stamp=$(( $(date +%s) - 10 ))
find "$bundle" -exec touch -d "@$stamp" {} +
if ! HOME="$home" LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 120 \
     /usr/lib/ardour7/ardour-vst3-scanner -f -q "$bundle"; then
  echo "index_vst3.sh: Ardour's scanner failed" >&2; exit 1
fi
