# Sourced by scripts/test.sh: the concurrency tests (main, timer and audio threads sharing an
# instance) built and run under ThreadSanitizer. Only the test programs labelled
# "concurrency" and chordwell-host with the plug-in (validate's editor check) are built, so
# the suite does not compile the rest of the tree.
tsan_suite() {
  local dir="$root/build/tsan"
  echo "=== tsan: build"
  local generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  if ! cmake -S "$root" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DORL_SANITIZE=thread -DORL_BUILD_BENCH=OFF >/dev/null ||
     ! cmake --build "$dir" -j "$jobs" --target aax_concurrency_tests chordwell-host ORLChordwell; then
    status=1; failed+=("tsan (build)"); return 0
  fi
  echo "=== tsan: test"
  if ! (cd "$dir" && TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" \
        ctest --output-on-failure -L concurrency); then
    status=1; failed+=("tsan")
  fi
}
tsan_suite
