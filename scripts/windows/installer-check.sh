#!/usr/bin/env bash
# installer-check.sh <setup.exe> <linux build dir> <windows build dir>: the Windows installer
# proven by real installations under Wine, in a fresh prefix of its own (thrown away at the end):
#   - `setup.exe /S`: the files where Windows users expect them, byte for byte the build's, and
#     nothing else; the Add/Remove Programs entry and the ManualPath setting in the registry's
#     64-bit view (printed as `reg query` shows them);
#   - installed again over an earlier version's entry: still one bundle and one entry, now
#     naming this version;
#   - JUCE's VST 3 hosting built for Windows (vst3_scan_render.exe) finds the bundle by scanning
#     the standard VST 3 folders and renders the same bits as the Linux chordwell-host;
#   - the installed chordwell-host.exe renders those bits too, from Program Files;
#   - `Uninstall.exe /S` leaves no file of ours and no uninstall key, and keeps the values the
#     user had in the product's key (a memo slot and a last folder written before installing).
# Prints every failure; exits 1 when there is one, 2 when something needed is missing, 3 when
# Wine cannot start here.
set -euo pipefail
usage='usage: installer-check.sh <setup.exe> <linux build dir> <windows build dir>'
setup=$(realpath "${1:?$usage}")
linux_host=$(realpath "${2:?$usage}/host/chordwell-host")
windows_build=$(realpath "${3:?$usage}")
scan=$windows_build/tests/vst3_host/vst3_scan_render.exe
bundle_name='ORL Chordwell.vst3'

missing=0
for tool in wine wineboot wineserver sox cmp; do
  command -v "$tool" >/dev/null || { echo "installer-check: $tool is not installed" >&2; missing=1; }
done
[[ -f $scan ]] || cmake --build "$windows_build" --target vst3_scan_render >/dev/null || true
for need in "$setup" "$linux_host" "$scan"; do
  [[ -f $need ]] || { echo "installer-check: $need is missing (build it first)" >&2; missing=1; }
done
((missing == 0)) || exit 2

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The product's key holds only what the installer and this check write: the plug-in and the
# host, when they render below, keep their own settings (the last folder, ...) in a test key.
export ORL_CHORDWELL_STORE_DIR=installer-check
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if ! timeout 300 wineboot -i >/dev/null 2>&1; then
  echo "installer-check: wine cannot make a prefix here (wineboot failed)" >&2
  exit 3
fi
wineserver -w

failures=0
fail() {
  echo "installer-check: FAILED: $*"
  failures=$((failures + 1))
}
# A step under Wine, waited for to its last process (the uninstaller hands over to a copy of
# itself and returns at once).
step() {
  local status=0
  timeout 300 wine "$@" || status=$?
  wineserver -w
  return $status
}
query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
key_exists() { wine reg query "$@" >/dev/null 2>&1; }
# The data of one value as reg query shows it: "    <name>    <type>    <data>".
value_of() { # <reg query output> <name>
  awk -v p="    $2    " 'index($0, p) == 1 { rest = substr($0, length(p) + 1); print rest; exit }' <<<"$1"
}
expect_value() { # <reg query output> <name> <type> <data>
  local got
  got=$(value_of "$1" "$2")
  [[ $got == "$3    $4" ]] || fail "$2 is '${got:-missing}', not '$3    $4'"
}

drive=$WINEPREFIX/drive_c
program_dir='C:\Program Files\Orlund\ORL Chordwell'
program_files=$drive/Program\ Files/Orlund/ORL\ Chordwell
vst3_dir=$drive/Program\ Files/Common\ Files/VST3
product_key='HKCU\SOFTWARE\Orlund\ORLChordwell'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ORL Chordwell'
version=$(sed -nE 's/^project\(ORLChordwell VERSION ([0-9.]+).*/\1/p' \
  "$(dirname "$0")/../../CMakeLists.txt")

# The user's own values, there before the installer: a memo slot and a last folder.
memo=6C576351$(printf '%0920d' 0)
# shellcheck disable=SC1003 # a Windows path's final backslash
last_folder='C:\users\Public\Music\'
wine reg add "$product_key" /v MemoA /t REG_BINARY /d "$memo" /f >/dev/null
wine reg add "$product_key" /v CurrDir /t REG_SZ /d "$last_folder" /f >/dev/null
wineserver -w

echo "--- setup.exe /S"
step "$setup" /S || fail "setup.exe /S ended with $?"

# The files, compared with what was built.
installed_files() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }
[[ $(installed_files "$program_files") == "$(printf '%s\n' ORLChordwell.dll Uninstall.exe \
  chordwell-host.exe manual.html)" ]] ||
  fail "the program folder holds: $(installed_files "$program_files" | tr '\n' ' ')"
for file in ORLChordwell.dll chordwell-host.exe; do
  cmp -s "$program_files/$file" "$windows_build/host/$file" || fail "$file is not the build's"
done
cmp -s "$program_files/manual.html" "$(dirname "$0")/../../docs/manual.html" ||
  fail "manual.html is not the source's"
diff -r "$vst3_dir/$bundle_name" "$windows_build/vst3/$bundle_name" >/dev/null ||
  fail "the installed bundle differs from the build's: $(installed_files "$vst3_dir/$bundle_name" | tr '\n' ' ')"
if [[ -d "$drive/Program Files (x86)/Orlund" || -d "$drive/Program Files (x86)/Common Files/VST3/$bundle_name" ]]; then
  fail "something went into the 32-bit Program Files"
fi
# Explorer reads desktop.ini only in a folder marked system; the file itself is hidden too.
# attrib prints the letters, then the path.
attributes() { (cd "$vst3_dir" && wine cmd /c attrib "$1" 2>/dev/null | tr -d '\r' | sed 's/C:.*//'); }
[[ $(attributes "$bundle_name") == *S* ]] || fail "the bundle folder is not marked system"
[[ $(attributes "$bundle_name\\desktop.ini") == *S*H* ]] || fail "desktop.ini is not hidden and system"

echo "--- reg query $uninstall_key /reg:64"
entry=$(query "$uninstall_key" /reg:64)
printf '%s\n' "$entry"
expect_value "$entry" DisplayName REG_SZ 'ORL Chordwell'
expect_value "$entry" DisplayVersion REG_SZ "$version"
expect_value "$entry" Publisher REG_SZ Orlund
expect_value "$entry" UninstallString REG_SZ "\"$program_dir\\Uninstall.exe\""
expect_value "$entry" QuietUninstallString REG_SZ "\"$program_dir\\Uninstall.exe\" /S"
expect_value "$entry" InstallLocation REG_SZ "$program_dir"
expect_value "$entry" DisplayIcon REG_SZ "$program_dir\\Uninstall.exe,0"
expect_value "$entry" URLInfoAbout REG_SZ https://www.orlund.com
expect_value "$entry" NoModify REG_DWORD 0x1
expect_value "$entry" NoRepair REG_DWORD 0x1
size=$(value_of "$entry" EstimatedSize)
kilobytes=$(du -sk --apparent-size "$program_files" "$vst3_dir/$bundle_name" | awk '{ s += $1 } END { print s }')
if [[ $size != REG_DWORD* ]] || (( ${size#REG_DWORD    } < kilobytes * 9 / 10 || ${size#REG_DWORD    } > kilobytes * 11 / 10 )); then
  fail "EstimatedSize is '$size', not about $kilobytes KB"
fi
! key_exists 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\ORL Chordwell' ||
  fail "an uninstall entry in the 32-bit view"

echo "--- reg query $product_key"
settings=$(query "$product_key")
printf '%s\n' "$settings" | cut -c1-100
expect_value "$settings" ManualPath REG_SZ "$program_dir\\manual.html"
expect_value "$settings" MemoA REG_BINARY "$memo"
expect_value "$settings" CurrDir REG_SZ "$last_folder"

echo "--- setup.exe /S over an earlier version's entry"
wine reg add "$uninstall_key" /reg:64 /v DisplayVersion /t REG_SZ /d 1.0.0 /f >/dev/null
wineserver -w
step "$setup" /S || fail "the second setup.exe /S ended with $?"
entries=0
if (cd "$work" && wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
      uninstall.reg /reg:64 /y >/dev/null 2>&1); then
  entries=$(iconv -f UTF-16LE -t UTF-8 "$work/uninstall.reg" | tr -d '\r' |
    grep -c '^"DisplayName"="ORL Chordwell"$' || true)
fi
[[ $entries == 1 ]] || fail "$entries uninstall entries name ORL Chordwell"
expect_value "$(query "$uninstall_key" /reg:64)" DisplayVersion REG_SZ "$version"
in_vst3=$(find "$vst3_dir" -mindepth 1 -maxdepth 1 -printf '%f\n')
[[ $in_vst3 == "$bundle_name" ]] || fail "the VST3 folder holds: ${in_vst3//$'\n'/, }"

echo "--- JUCE's VST 3 hosting scans the standard folders; the installed chordwell-host.exe"
mkdir "$work/audio"
cd "$work/audio"
sox -n -r 48000 -c 2 -b 32 -e floating-point in.wav synth 0.8 sine 440 sine 660 gain -3
"$linux_host" render --tail 1 in.wav linux.wav >/dev/null
if ! found=$(timeout 300 wine "$scan" in.wav linux.wav 2>&1 | tr -d '\r'); then
  fail "vst3_scan_render: $found"
fi
wineserver -w
printf '%s\n' "$found"
grep -qxF "found: C:\\Program Files\\Common Files\\VST3\\$bundle_name\\Contents\\x86_64-win\\$bundle_name" <<<"$found" ||
  fail "the scan did not find the installed bundle"
step "$program_dir\\chordwell-host.exe" render --tail 1 in.wav windows.wav >/dev/null ||
  fail "the installed chordwell-host.exe render failed"
cmp -s linux.wav windows.wav || fail "the installed chordwell-host.exe renders other bits"
cd "$work"

echo "--- Uninstall.exe /S"
step "$program_dir\\Uninstall.exe" /S || fail "Uninstall.exe /S ended with $?"
[[ ! -e $program_files ]] || fail "left in the program folder: $(installed_files "$program_files" | tr '\n' ' ')"
[[ ! -e $drive/Program\ Files/Orlund ]] || fail "the empty Orlund folder was left"
[[ ! -e $vst3_dir/$bundle_name ]] || fail "the bundle was left: $(installed_files "$vst3_dir/$bundle_name" | tr '\n' ' ')"
! key_exists "$uninstall_key" /reg:64 || fail "the uninstall entry was left"
settings=$(query "$product_key")
echo "reg query $product_key after uninstalling:"
printf '%s\n' "$settings" | cut -c1-100
[[ $(grep -c '^    ' <<<"$settings") == 2 ]] || fail "the product's key holds other values than the user's"
expect_value "$settings" MemoA REG_BINARY "$memo"
expect_value "$settings" CurrDir REG_SZ "$last_folder"

if ((failures > 0)); then
  echo "installer-check: $failures failures"
  exit 1
fi
echo "installer-check: installed, found, rendered, upgraded and uninstalled as expected"
