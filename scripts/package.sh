#!/usr/bin/env bash
# package.sh: the files a user downloads, in dist/: the Debian package and its debug symbols,
# the portable Linux archive, the Windows installer and archive (when
# scripts/packaging/windows.sh is there), and SHA256SUMS over all of them. Installs what is
# missing, builds what is missing (reusing build/release as the test command leaves it).
# PACKAGE_PARTS="linux windows" chooses the parts (default both). The files depend only on the
# commit: time stamps come from its date (SOURCE_DATE_EPOCH).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
parts=${PACKAGE_PARTS:-linux windows}
dist="$root/dist"
"$root/scripts/install-deps.sh"
# shellcheck source=packaging/common.sh
source "$root/scripts/packaging/common.sh"
use_commit_time "$root"
mkdir -p "$dist"

if [[ " $parts " == *" linux "* ]]; then
  BUILD_TARGETS="chordwell-host ORLChordwell orl_chordwell_vst3 orl_chordwell_lv2" \
    nice -n 5 "$root/scripts/build.sh" release -DCMAKE_BUILD_TYPE=RelWithDebInfo
  "$root/scripts/packaging/deb.sh" "$root/build/release" "$dist"
  "$root/scripts/packaging/linux-archive.sh" "$root/build/release" "$dist"
fi
if [[ " $parts " == *" windows "* && -x "$root/scripts/packaging/windows.sh" ]]; then
  "$root/scripts/packaging/windows.sh" "$dist"
fi

(cd "$dist" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\0' | LC_ALL=C sort -z |
   xargs -0 sha256sum >SHA256SUMS)
cat "$dist/SHA256SUMS"
