#!/usr/bin/env bash
# The Windows binaries, cross-built with MinGW-w64: installs what is missing, builds
# build/windows (toolchain cmake/mingw-w64-x86_64.cmake) and gathers what a user installs in
# out/windows/: ORLChordwell.dll, chordwell-host.exe and the VST 3 bundle
# "ORL Chordwell.vst3" (its binary in Contents/x86_64-win). Extra arguments go to cmake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release "$@"
dir="$root/build/windows"
out="$root/out/windows"
mkdir -p "$out"
cp "$dir/host/ORLChordwell.dll" "$dir/host/chordwell-host.exe" "$out/"
rm -rf "$out/ORL Chordwell.vst3"
cp -r "$dir/vst3/ORL Chordwell.vst3" "$out/"
echo "Windows binaries in $out:"
(cd "$out" && find . -type f | sort | sed 's|^\./|  |')
