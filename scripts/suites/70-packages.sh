# Sourced by scripts/test.sh: the downloads, from the release build the test command made
# (and the Windows build, when 60-windows made one): scripts/package.sh writes dist/; the
# Linux files packed a second time must be the same bytes; lintian must report no error and no
# warning on the Debian packages; the .deb installed with dpkg into a throwaway root
# (tests/packages/installed_root.sh: overlays in a private mount namespace) must work from the
# system's paths and purge cleanly; the portable archive's install.sh must install into a
# fresh home and uninstall exactly what it installed (tests/packages/archive_install.sh).
packages_suite() {
  echo "=== packages: the .deb, the archives and their installs"
  local rel="$root/build/release" work="$root/build/release/packages-suite"
  local parts=linux
  [[ -f "$root/build/windows/CMakeCache.txt" ]] && parts="linux windows"
  if ! PACKAGE_PARTS="$parts" "$root/scripts/package.sh" >/dev/null; then
    status=1; failed+=("packages (package.sh)"); return 0
  fi
  local version deb dbgsym archive
  source "$root/scripts/packaging/common.sh"
  version=$(build_version "$rel")
  deb="$root/dist/orl-chordwell_${version}-1_amd64.deb"
  dbgsym="$root/dist/orl-chordwell-dbgsym_${version}-1_amd64.deb"
  archive="$root/dist/orl-chordwell-${version}-linux-x86_64.tar.gz"
  ls -l "$root/dist" | tail -n +2

  rm -rf "$work"
  mkdir -p "$work/again"
  local file
  if "$root/scripts/packaging/deb.sh" "$rel" "$work/again" >/dev/null &&
     "$root/scripts/packaging/linux-archive.sh" "$rel" "$work/again" >/dev/null; then
    for file in "$deb" "$dbgsym" "$archive"; do
      if cmp -s "$file" "$work/again/$(basename "$file")"; then
        echo "ok: packed twice, the same bytes: $(basename "$file")"
      else
        echo "FAILED: packed twice, other bytes: $(basename "$file")"
        status=1; failed+=("packages (reproducible)")
      fi
    done
  else
    status=1; failed+=("packages (second packing)")
  fi

  local report
  report=$(lintian --display-info "$deb" "$dbgsym" 2>&1)
  # grep finds nothing on a clean report: that must not end the sourcing test command.
  { grep -E '^[EWX]: ' <<<"$report" || true; } | head -40
  echo "lintian: info-level notes: $(grep '^I: ' <<<"$report" | awk '{ print $3 }' | sort -u | tr '\n' ' ')"
  if grep -qE '^[EW]: ' <<<"$report"; then
    echo "FAILED: lintian reports errors or warnings"
    status=1; failed+=("packages (lintian)")
  else
    echo "ok: lintian: 0 errors, 0 warnings"
  fi

  if ! "$root/tests/packages/installed_root.sh" "$deb" "$rel" "$work/root"; then
    status=1; failed+=("packages (installed .deb)")
  fi
  if ! "$root/tests/packages/archive_install.sh" "$archive" "$rel" "$work/archive"; then
    status=1; failed+=("packages (archive)")
  fi
}
packages_suite
