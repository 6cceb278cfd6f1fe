# Sourced by scripts/test.sh: builds the libFuzzer targets with clang under ASan+UBSan and runs
# each on a copy of its seed corpus for a bounded time. Any crash, leak or sanitizer finding
# fails the suite.
fuzz_seconds=${ORL_FUZZ_SECONDS:-20}
fuzz_dir="$root/build/fuzz"
echo "=== fuzz: build"
fuzz_generator=()
command -v ninja >/dev/null && fuzz_generator=(-G Ninja)
if ! { [[ -f "$fuzz_dir/CMakeCache.txt" ]] ||
       CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz_dir" "${fuzz_generator[@]}" \
         -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORL_SANITIZE=fuzzer -DORL_BUILD_BENCH=OFF >/dev/null; } ||
   ! cmake --build "$fuzz_dir" -j "$(nproc)" --target orl_fuzz_targets; then
  status=1; failed+=("fuzz (build)")
else
  for target in preset_file bank_file host_state memo_image state_file vst3_state; do
    echo "=== fuzz: $target (${fuzz_seconds} s)"
    work="$fuzz_dir/corpus/$target"
    rm -rf "$work"
    mkdir -p "$work" "$fuzz_dir/findings/$target"
    cp "$root/tests/fuzz/corpus/$target/"* "$work/"
    # The preset bank stores nothing here, but keep any settings away from the user's.
    if ! ORL_CHORDWELL_STORE_DIR="$fuzz_dir/settings" \
         ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
         UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
         "$fuzz_dir/tests/fuzz/fuzz_$target" -max_total_time="$fuzz_seconds" \
           -artifact_prefix="$fuzz_dir/findings/$target/" -print_final_stats=1 "$work" \
           >"$fuzz_dir/findings/$target.log" 2>&1; then
      tail -40 "$fuzz_dir/findings/$target.log"
      status=1; failed+=("fuzz $target")
    else
      grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$fuzz_dir/findings/$target.log" | tail -2 || true
    fi
  done
fi
