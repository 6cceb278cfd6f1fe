#!/usr/bin/env bash
# linux-archive.sh BUILD_DIR DIST_DIR: the portable Linux archive of a built tree,
# DIST_DIR/orl-chordwell-<version>-linux-x86_64.tar.gz. It holds what `cmake --install` stages
# under one folder (bin/, lib/vst3, lib/lv2, lib/orl-chordwell, share/), stripped, with
# README.txt and install.sh (see linux-archive/). Time stamps from SOURCE_DATE_EPOCH (the last
# commit's by default), sorted entries, root owners: the same build packs to the same bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
dist=$(cd "$2" && pwd)
# shellcheck source=common.sh
source "$here/common.sh"
use_commit_time "$root"
version=$(build_version "$build")
[[ -n $version ]] || { echo "linux-archive.sh: no project version in $build" >&2; exit 1; }
name=orl-chordwell-$version-linux-x86_64

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/$name"
DESTDIR="$tree" cmake --install "$build" --prefix / >/dev/null
sed "s/@VERSION@/$version/g" "$here/linux-archive/README.txt" >"$tree/README.txt"
sed "s/@VERSION@/$version/g" "$here/linux-archive/install.sh" >"$tree/install.sh"

normalise_modes "$tree"
chmod 0755 "$tree/install.sh" "$tree/bin/"*
while IFS= read -r -d '' file; do
  if is_elf "$file"; then
    strip --remove-section=.comment --remove-section=.note --strip-unneeded "$file"
  fi
done < <(find "$tree" -type f -print0)

tar -C "$work" --sort=name --mtime="@$SOURCE_DATE_EPOCH" --clamp-mtime --owner=0 --group=0 \
  --numeric-owner --format=gnu -cf - "$name" | gzip -9n >"$dist/$name.tar.gz"
echo "linux-archive.sh: $dist/$name.tar.gz"
