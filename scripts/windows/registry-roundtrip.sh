#!/usr/bin/env bash
# registry-roundtrip.sh <windows build dir>: under Wine, the product's own code writes its
# registry values (chordwell_registry_probe.exe: memos A and B, the hints flag as setting 45,
# the file locations on a bank's destruction) and reads back a ManualPath put there with
# `reg add`; `reg query` then checks the names, types and sizes the registry holds in
# HKCU\Software\Orlund\ORLChordwell. The probe uses the product's real key, so $WINEPREFIX must
# be a test prefix; whatever the key held before is put back at the end.
set -euo pipefail
build=${1:?usage: registry-roundtrip.sh <windows build dir>}
: "${WINEPREFIX:?WINEPREFIX must name a test Wine prefix}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
key='HKCU\Software\Orlund\ORLChordwell'
probe="$build/tests/presets/chordwell_registry_probe.exe"
[[ -f $probe ]] || cmake --build "$build" --target chordwell_registry_probe >/dev/null

work=$(mktemp -d)
restore() {
  wine reg delete "$key" /f >/dev/null 2>&1 || true
  if [[ -f $work/backup.reg ]] && ! (cd "$work" && wine reg import backup.reg >/dev/null 2>&1); then
    echo "warning: the key's earlier values are kept in $work/backup.reg" >&2
    return
  fi
  rm -rf "$work"
}
trap restore EXIT
# reg export takes a Windows path: a bare name lands in the working folder.
if wine reg query "$key" >/dev/null 2>&1; then
  (cd "$work" && wine reg export "$key" backup.reg /y >/dev/null)
fi
# Start from no key, so every value checked below is this run's.
wine reg delete "$key" /f >/dev/null 2>&1 || true

manual='C:\Orlund\Chordwell Manual.pdf'
wine reg add "$key" /v ManualPath /t REG_SZ /d "$manual" /f >/dev/null
status=0
said=$(env -u ORL_CHORDWELL_STORE_DIR wine "$probe" | tr -d '\r') || status=$?
# Wine's reg writes CRLF line ends.
query=$(wine reg query "$key" | tr -d '\r')

failures=0
fail() {
  echo "registry round trip: $*" >&2
  failures=$((failures + 1))
}
# The type and data of one value as reg query shows it: "    <name>    <type>    <data>".
type_of() { awk -v p="    $1    " 'index($0, p) == 1 { rest = substr($0, length(p) + 1); sub(/    .*/, "", rest); print rest; exit }' <<<"$query"; }
data_of() { awk -v p="    $1    " 'index($0, p) == 1 { rest = substr($0, length(p) + 1); sub(/^[^ ]*    ?/, "", rest); print rest; exit }' <<<"$query"; }
expect_value() { # name type data-pattern (a bash pattern)
  local type data
  type=$(type_of "$1")
  data=$(data_of "$1")
  [[ $type == "$2" ]] || fail "$1 is '${type:-missing}', not $2"
  # shellcheck disable=SC2053
  [[ $data == $3 ]] || fail "$1 holds '${data:0:80}', not $3"
}

[[ $status == 0 ]] || fail "the probe failed ($status): $said"
for line in "ManualPath=$manual" "MemoA=Low & Dark" "MemoB=Bright" "Hints=0"; do
  grep -qxF -- "$line" <<<"$said" || fail "the probe did not say '$line' but: $said"
done
# A preset image: 465 bytes starting with the code's bytes "lWcQ".
for memo in MemoA MemoB; do
  expect_value "$memo" REG_BINARY '6C576351*'
  data=$(data_of "$memo")
  [[ ${#data} == 930 ]] || fail "$memo holds $((${#data} / 2)) bytes, not 465"
done
expect_value 'ORLChordwell: 45' REG_BINARY 00000000 # a 4-byte float 0.0: hints off
# shellcheck disable=SC1003 # a pattern's escaped backslashes
expect_value CurrDir REG_SZ '*\\orl-roundtrip-*\\'
expect_value CurrBank REG_SZ roundtrip.orb
expect_value CurrPreset REG_SZ roundtrip.orl
expect_value ManualPath REG_SZ "${manual//\\/\\\\}" # as a pattern: backslashes escaped

if ((failures > 0)); then
  printf '%s\n' "$query" >&2
  exit 1
fi
echo "registry round trip: memos, setting 45, file locations and manual path as expected"
