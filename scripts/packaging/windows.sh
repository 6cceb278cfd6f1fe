#!/usr/bin/env bash
# windows.sh [dist folder]: the Windows downloads, made on Debian from the MinGW build
# (build/windows, brought up to date when it exists, else made by scripts/build-windows.sh):
#   ORL-Chordwell-<version>-win64-setup.exe  the installer (NSIS, scripts/packaging/windows/)
#   ORL-Chordwell-<version>-win64.zip        the same files to copy by hand, with a short text
# into the folder given (default: dist/ of the source tree). The version is the CMake project's.
# The same commit gives the same bytes: every time stamp is the commit's (SOURCE_DATE_EPOCH
# when set), the archive's entries are sorted and carry fixed attributes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(realpath -m "${1:-$root/dist}")
build=$root/build/windows

# shellcheck source=common.sh
source "$root/scripts/packaging/common.sh"
use_commit_time "$root"

command -v makensis >/dev/null || "$root/scripts/install-deps.sh"
if [[ -f $build/CMakeCache.txt ]]; then
  cmake --build "$build" --target ORLChordwell chordwell-host orl_chordwell_vst3
else
  "$root/scripts/build-windows.sh"
fi
version=$(build_version "$build")
[[ -n $version ]] || { echo "windows.sh: no project version in $build" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
name=ORL-Chordwell-$version-win64
stage=$work/$name
mkdir -p "$stage"
cp -r "$build/vst3/ORL Chordwell.vst3" "$stage/"
cp "$build/host/ORLChordwell.dll" "$build/host/chordwell-host.exe" "$root/docs/manual.html" \
  "$stage/"
for need in desktop.ini Contents/Resources/PlugIn.ico Contents/Resources/manual.html \
  "Contents/x86_64-win/ORL Chordwell.vst3"; do
  [[ -f "$stage/ORL Chordwell.vst3/$need" ]] ||
    { echo "windows.sh: the bundle has no $need" >&2; exit 1; }
done
# NSIS keeps each file's time and restores it on installation.
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

mkdir -p "$dist"
setup=$dist/$name-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
  "$root/scripts/packaging/windows/installer.nsi"

# Windows text, for Notepad.
sed 's/$/\r/' >"$stage/README.txt" <<EOF
ORL Chordwell $version for Windows (64-bit), to install by hand

The installer ($name-setup.exe) does all of this for you. By hand:

1. Copy the folder "ORL Chordwell.vst3" into C:\\Program Files\\Common Files\\VST3
   (every VST 3 host looks there), or for yourself alone into
   %LOCALAPPDATA%\\Programs\\Common\\VST3. Let your host scan its plug-ins again;
   ORL Chordwell is listed under Orlund.
2. Optional: keep ORLChordwell.dll, chordwell-host.exe and manual.html together in a
   folder of your choice. chordwell-host.exe renders audio files through the plug-in
   ("chordwell-host.exe --help" lists its commands). The plug-in window's "?" button
   opens the manual that travels inside the bundle.

To remove it, delete what you copied.
EOF
touch -d "@$SOURCE_DATE_EPOCH" "$stage/README.txt"

zip=$dist/$name.zip
python3 - "$work" "$name" "$zip" "$SOURCE_DATE_EPOCH" <<'EOF'
import os, sys, time, zipfile
base, top, out, epoch = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
stamp = time.gmtime(max(epoch, 315532800))[:6]  # a zip's time starts in 1980
entries = []
for folder, dirs, files in os.walk(os.path.join(base, top)):
    for name in dirs + files:
        entries.append(os.path.relpath(os.path.join(folder, name), base))
with zipfile.ZipFile(out + ".part", "w") as archive:
    for entry in sorted(entries):
        path = os.path.join(base, entry)
        folder = os.path.isdir(path)
        info = zipfile.ZipInfo(entry.replace(os.sep, "/") + ("/" if folder else ""), stamp)
        # Made on MS-DOS (FAT): only the folder bit, no owners or modes of this machine.
        info.create_system = 0
        info.external_attr = 0x10 if folder else 0x20
        if folder:
            archive.writestr(info, b"")
        else:
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as data:
                archive.writestr(info, data.read(), compresslevel=9)
os.replace(out + ".part", out)
EOF
echo "windows.sh: wrote $setup and $zip"
