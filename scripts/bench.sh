#!/usr/bin/env bash
# Builds and runs the benchmarks under the headless Wine session, each side by
# side with its baseline in the same run.
#   scripts/bench.sh [all|startup|settings|clicking|soak|ending|saves|stress]
# "all" (the default) runs every one but the soak, ending, saves and stress runs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
which="${1:-all}"
case "$which" in
  all | startup | settings | clicking | soak | ending | saves | stress) ;;
  *) echo "bench.sh: no benchmark named \"$which\"; use all, startup, settings, clicking, soak, ending, saves or stress" >&2; exit 2 ;;
esac
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" >/dev/null
bash "$root/scripts/wine-session.sh" start
trap 'bash "$root/scripts/wine-session.sh" stop' EXIT
run() { "$root/scripts/wine-run.sh" "$@"; }
bin="$KLIKVANE_BUILD/bin"
if [ "$which" = all ] || [ "$which" = startup ]; then
  echo "== Start-up: process start to main window shown"
  run "$bin/bench_startup.exe" "$KLIKVANE_BUILD/Klikvane.exe" "$bin/bench_plain_window.exe" 10
fi
if [ "$which" = all ] || [ "$which" = settings ]; then
  echo "== Settings file: save and load of plans of 100, 1,000 and 10,000 rows"
  run "$bin/bench_settings.exe" 10000
fi
if [ "$which" = all ] || [ "$which" = clicking ]; then
  echo "== Clicking: timing, processor use, throughput; Klikvane against a bare post-and-wait loop"
  run "$bin/bench_clicking.exe" all "${KLIKVANE_BENCH_SCALE:-1}"
fi
if [ "$which" = soak ]; then
  echo "== Soak: Klikvane.exe measured from outside, ${KLIKVANE_SOAK_SECONDS:-600} s each"
  run "$bin/bench_soak.exe" cycle "${KLIKVANE_SOAK_SECONDS:-600}"
  run "$bin/bench_soak.exe" large "${KLIKVANE_SOAK_SECONDS:-600}"
fi
if [ "$which" = ending ]; then
  echo "== Ending: 300 quits during delay-0 runs over every way out; a hung target, ten seconds per mode"
  run "$bin/test_pointing.exe" --gtest_also_run_disabled_tests \
    --gtest_filter='QuitDuringRunTest.DISABLED_*:HungTargetTest.DISABLED_*'
fi
if [ "$which" = saves ]; then
  echo "== Saves killed at 200 pseudo-random moments: the file holds the old plan or the new one (about 5 minutes)"
  KLIKVANE_SAVE_KILLS=200 run "$bin/test_settings.exe" --gtest_filter='InterruptedSave.*'
fi
if [ "$which" = stress ]; then
  echo "== Stress: the operator at random during runs, fresh seeds for ${KLIKVANE_STRESS_MINUTES:-30} minutes"
  KLIKVANE_STRESS_MINUTES="${KLIKVANE_STRESS_MINUTES:-30}" run "$bin/test_stress.exe" --gtest_filter='OperatorStress.*'
fi
