#!/usr/bin/env bash
# build.sh <name> [cmake options...]: configures (once) and builds build/<name>.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=$1; shift
dir="$root/build/$name"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [[ ! -f "$dir/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$dir" "${generator[@]}" "$@" >/dev/null
else
  cmake "$dir" "$@" >/dev/null
fi
cmake --build "$dir" -j "$(nproc)"
