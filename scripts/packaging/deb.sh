#!/usr/bin/env bash
# deb.sh BUILD_DIR DIST_DIR: the Debian package of a built tree, and its debug symbols.
# Writes DIST_DIR/orl-chordwell_<version>-1_amd64.deb and orl-chordwell-dbgsym_<version>-1_amd64.deb.
# The files are what `cmake --install` stages (no list kept here); the control file comes from
# debian/control through dpkg-shlibdeps and dpkg-gencontrol, as Debian's own tools make it.
# Binaries are stripped as dh_strip does: their symbols go to /usr/lib/debug/.build-id/ in the
# -dbgsym package. Time stamps come from SOURCE_DATE_EPOCH (the last commit's by default),
# owners are root, entries sorted, so the same build packs to the same bytes.
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
[[ -n $version ]] || { echo "deb.sh: no project version in $build" >&2; exit 1; }
package=orl-chordwell
debversion=$version-1
maintainer=$(sed -n 's/^Maintainer: //p' "$here/debian/control")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# dpkg-shlibdeps and dpkg-gencontrol read debian/ beside the current folder.
mkdir -p "$work/src/debian"
cp "$here/debian/control" "$work/src/debian/control"
cat >"$work/src/debian/changelog" <<EOF
$package ($debversion) unstable; urgency=medium

  * Release $version.

 -- $maintainer  $(LC_ALL=C date -u -R -d "@$SOURCE_DATE_EPOCH")
EOF
pkg="$work/src/debian/$package"
dbg="$work/src/debian/$package-dbgsym"

# The installed tree.
DESTDIR="$pkg" cmake --install "$build" --prefix /usr >/dev/null
doc="$pkg/usr/share/doc/$package"
install -m 0644 "$here/debian/copyright" "$doc/copyright"
gzip -9n <"$work/src/debian/changelog" >"$doc/changelog.Debian.gz"
gzip -9n "$pkg/usr/share/man/man1/chordwell-host.1"
install -D -m 0644 "$here/debian/lintian-overrides" "$pkg/usr/share/lintian/overrides/$package"

# Permissions as dh_fixperms leaves them: plug-in modules are loaded, never run.
normalise_modes "$pkg"
chmod 0755 "$pkg/usr/bin/"*

# Symbols out, by build ID (dh_strip's way).
elfs=()
while IFS= read -r -d '' file; do
  if is_elf "$file"; then elfs+=("$file"); fi
done < <(find "$pkg" -type f -print0 | sort -z)
build_ids=()
for file in "${elfs[@]}"; do
  id=$(readelf -n "$file" | sed -n 's/^ *Build ID: *//p')
  [[ -n $id ]] || { echo "deb.sh: $file has no build ID" >&2; exit 1; }
  build_ids+=("$id")
  debug="$dbg/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug"
  mkdir -p "$(dirname "$debug")"
  objcopy --only-keep-debug --compress-debug-sections "$file" "$debug"
  chmod 0644 "$debug"
  if [[ $file == "$pkg/usr/bin/"* ]]; then
    strip --remove-section=.comment --remove-section=.note "$file"
  else
    strip --remove-section=.comment --remove-section=.note --strip-unneeded "$file"
  fi
  objcopy --add-gnu-debuglink="$debug" "$file"
done
mkdir -p "$dbg/usr/share/doc"
ln -s "$package" "$dbg/usr/share/doc/$package-dbgsym"
find "$dbg" -type d -exec chmod 0755 {} +

# Control files.
(
  cd "$work/src"
  shlibargs=()
  for file in "${elfs[@]}"; do shlibargs+=("-e${file#"$work/src/"}"); done
  # The DEBIAN folder tells dpkg-shlibdeps where the package's root is ($ORIGIN).
  mkdir -p "$pkg/DEBIAN" "$dbg/DEBIAN"
  dpkg-shlibdeps -Tdebian/substvars "${shlibargs[@]}"
  echo "misc:Depends=" >>debian/substvars
  dpkg-gencontrol -p"$package" -P"$pkg" -Tdebian/substvars -fdebian/files
  # The debug package's stanza, as debhelper writes it for -dbgsym packages.
  cat >"$dbg/DEBIAN/control" <<EOF
Package: $package-dbgsym
Source: $package
Version: $debversion
Auto-Built-Package: debug-symbols
Architecture: amd64
Maintainer: $maintainer
Installed-Size: $(du -sk --apparent-size "$dbg/usr" | cut -f1)
Depends: $package (= $debversion)
Section: debug
Priority: optional
Description: debug symbols for $package
Build-Ids: ${build_ids[*]}
EOF
)
for tree in "$pkg" "$dbg"; do
  (cd "$tree" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
  chmod 0644 "$tree/DEBIAN/"*
  find "$tree" -print0 | xargs -0 touch --no-dereference --date="@$SOURCE_DATE_EPOCH"
done

dpkg-deb --root-owner-group -Zxz --build "$pkg" "$dist/${package}_${debversion}_amd64.deb" >/dev/null
dpkg-deb --root-owner-group -Zxz --build "$dbg" "$dist/${package}-dbgsym_${debversion}_amd64.deb" >/dev/null
echo "deb.sh: $dist/${package}_${debversion}_amd64.deb, $dist/${package}-dbgsym_${debversion}_amd64.deb"
