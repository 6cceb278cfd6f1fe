#!/bin/sh
# expect_validate_failure.sh CHECK COMMAND...: runs a `chordwell-host validate` command that
# must report CHECK failed and exit 1 (not crash, not fail to load).
check=$1
shift
out=$("$@")
status=$?
printf '%s\n' "$out"
if [ "$status" -ne 1 ]; then
  echo "expected exit 1, got $status"
  exit 1
fi
printf '%s\n' "$out" | grep -q "^FAIL $check: " || { echo "expected: FAIL $check"; exit 1; }
