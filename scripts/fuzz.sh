#!/usr/bin/env bash
# Builds the pure logic natively with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (tests/fuzz), runs its test program and the
# control mirrors' stress test under ThreadSanitizer, then runs
# each libFuzzer target for KLIKVANE_FUZZ_SECONDS (default 60) from a copy
# of its committed corpus. Any crash, leak, timeout or sanitizer report
# fails. The last line is "N passed, M failed" (each test program counts as
# one). Build folder: ${KLIKVANE_BUILD:-build}-native.
# No "set -e": every target runs and is counted even when one before it
# fails, and the summary line is always printed.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KLIKVANE_BUILD:-$root/build}-native"
seconds="${KLIKVANE_FUZZ_SECONDS:-60}"
fuzzers=(split_text to_integer find_text trim_spaces template_reader profile_text gb18030)
started=$SECONDS
passed=0
failed=0

finish() {
  echo "fuzz.sh: $((SECONDS - started)) s in all"
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# A sanitizer or property report in a log, even if the exit code hid it.
reports='ERROR: (AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|WARNING: ThreadSanitizer|runtime error:|property violated'
has_report() { grep -qE "$reports" "$1"; }

# The start of the first report and the summary lines; else the log's end.
show_report() {
  grep -m 1 -A 20 -E "$reports|Failure\$" "$1" ||
    tail -n 20 "$1"
  grep -E 'SUMMARY: |Test unit written|\[  FAILED  \]' "$1"
}

record() {  # name, log, exit code, summary
  if [ "$3" -eq 0 ] && ! has_report "$2"; then
    echo "$1: passed ($4)"
    passed=$((passed + 1))
  else
    echo "$1: FAILED (exit code $3); from $2:"
    show_report "$2"
    failed=$((failed + 1))
  fi
}

if ! bash "$root/scripts/setup.sh" clang libclang-rt-14-dev cmake make googletest; then
  echo "fuzz.sh: cannot install clang and libclang-rt-14-dev"
  failed=$((${#fuzzers[@]} + 2))
  finish
fi

mkdir -p "$build"
if ! cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ > "$build/configure.log" 2>&1 ||
   ! cmake --build "$build" -j"$(nproc)" > "$build/build.log" 2>&1; then
  echo "fuzz.sh: the native build failed:"
  tail -n 40 "$build/configure.log" "$build/build.log" 2>/dev/null
  failed=$((${#fuzzers[@]} + 2))
  finish
fi

export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

log="$build/native_test.log"
"$build/native_test" > "$log" 2>&1
record native_test "$log" $? "$(grep -oE '[0-9]+ tests? from [0-9]+ test suites? ran' "$log")"

log="$build/mirror_stress_test.log"
TSAN_OPTIONS="halt_on_error=1:${TSAN_OPTIONS:-}" "$build/mirror_stress_test" > "$log" 2>&1
record mirror_stress_test "$log" $? "$(grep -oE '[0-9]+ tests? from [0-9]+ test suites? ran' "$log")"

for name in "${fuzzers[@]}"; do
  corpus="$build/fuzz/corpus/$name"
  artifacts="$build/fuzz/artifacts"
  log="$build/fuzz/$name.log"
  # The working corpus keeps what earlier runs found; the committed seeds are
  # copied in and never written to.
  mkdir -p "$corpus" "$artifacts"
  cp "$root/tests/fuzz/corpus/$name"/* "$corpus"/
  "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/$name-" "$corpus" > "$log" 2>&1
  record "fuzz_$name" "$log" $? "$(grep -oE 'Done [0-9]+ runs in [0-9]+ second\(s\)' "$log")"
done

finish
