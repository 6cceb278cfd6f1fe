# Sourced by scripts/test.sh after 60-windows.sh: the Windows downloads made from the
# build/windows that suite left (nothing is rebuilt). scripts/packaging/windows.sh makes the
# installer and the zip twice, which must give the same bytes; the zip holds what the installer
# installs; scripts/windows/installer-check.sh installs, upgrades and uninstalls under Wine in a
# fresh prefix of its own, with JUCE's VST 3 hosting finding the plug-in by scanning the standard
# folders. About 3 minutes. Skipped, with a message, only where Wine cannot run.
windows_installer_suite() {
  local dir="$root/build/windows" dist name version
  echo "=== windows installer: the setup program and the zip, twice"
  if ! command -v wine >/dev/null || ! command -v makensis >/dev/null; then
    echo "windows installer: SKIPPED: wine or makensis is missing"
    return 0
  fi
  dist=$(mktemp -d)
  if ! "$root/scripts/packaging/windows.sh" "$dist/first" >/dev/null ||
     ! "$root/scripts/packaging/windows.sh" "$dist/second" >/dev/null; then
    status=1; failed+=("windows installer (packaging)"); rm -rf "$dist"; return 0
  fi
  source "$root/scripts/packaging/common.sh"
  version=$(build_version "$dir")
  name=ORL-Chordwell-$version-win64
  for file in "$name-setup.exe" "$name.zip"; do
    if ! cmp "$dist/first/$file" "$dist/second/$file"; then
      status=1; failed+=("windows installer ($file differs between two packagings)")
    fi
  done
  local listed expected
  listed=$(python3 -c 'import sys, zipfile; print("\n".join(n for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/")))' \
    "$dist/first/$name.zip")
  expected=$( (cd "$dir/vst3" && find "ORL Chordwell.vst3" -type f; printf '%s\n' ORLChordwell.dll \
    chordwell-host.exe manual.html README.txt) | sed "s|^|$name/|" | LC_ALL=C sort)
  if [[ $listed != "$expected" ]]; then
    echo "windows installer: the zip holds:"; echo "$listed"
    status=1; failed+=("windows installer (zip contents)")
  fi
  echo "=== windows installer: install, upgrade and uninstall under Wine"
  local result=0
  timeout 900 "$root/scripts/windows/installer-check.sh" "$dist/first/$name-setup.exe" \
    "$root/build/release" "$dir" || result=$?
  if ((result == 3)); then
    echo "windows installer: SKIPPED: wine cannot run the installation here"
  elif ((result != 0)); then
    status=1; failed+=("windows installer (installation)")
  fi
  rm -rf "$dist"
}
windows_installer_suite
