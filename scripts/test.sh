#!/usr/bin/env bash
# The whole test suite: install what is missing, then build and run every test normally and
# under AddressSanitizer + UndefinedBehaviorSanitizer, then the extra suites in
# scripts/suites/ (each a bash file sourced in name order that may call run_suite).
# Fails when any run fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)
status=0
failed=()

# run_suite <build name> <ctest arguments...> -- <cmake options...>
run_suite() {
  local name=$1; shift
  local ctest_args=()
  while [[ $# -gt 0 && $1 != "--" ]]; do ctest_args+=("$1"); shift; done
  [[ $# -gt 0 ]] && shift
  echo "=== $name: build"
  if ! "$root/scripts/build.sh" "$name" "$@"; then
    status=1; failed+=("$name (build)"); return 0
  fi
  echo "=== $name: test"
  if ! (cd "$root/build/$name" && ctest --output-on-failure -j "$jobs" "${ctest_args[@]}"); then
    status=1; failed+=("$name")
  fi
}

run_suite release -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORL_BUILD_TESTS=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite asan -- -DCMAKE_BUILD_TYPE=Debug -DORL_BUILD_TESTS=ON -DORL_SANITIZE=address-undefined

for suite in "$root"/scripts/suites/*.sh; do
  [[ -e "$suite" ]] || continue
  # shellcheck source=/dev/null
  source "$suite"
done

if [[ $status -ne 0 ]]; then
  echo "test.sh: FAILED: ${failed[*]}"
else
  echo "test.sh: all suites passed"
fi
exit $status
