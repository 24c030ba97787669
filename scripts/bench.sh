#!/usr/bin/env bash
# Builds and runs the benchmarks under the headless Wine session, each side by
# side with its baseline in the same run.
#   scripts/bench.sh [all|startup|settings|clicking|foreground|step|soak|ending|saves|stress]
# "all" (the default) runs every one but the step, soak, ending, saves and
# stress runs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
which="${1:-all}"
case "$which" in
  all | startup | settings | clicking | foreground | step | soak | ending | saves | stress) ;;
  *) echo "bench.sh: no benchmark named \"$which\"; use all, startup, settings, clicking, foreground, step, soak, ending, saves or stress" >&2; exit 2 ;;
esac
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" >/dev/null
bash "$root/scripts/wine-session.sh" start
trap 'bash "$root/scripts/wine-session.sh" stop' EXIT
run() { "$root/scripts/wine-run.sh" "$@"; }
bin="$KLIKVANE_BUILD/bin"
# Runs the command with every process of the Wine session on the first
# processor, the session's Wine server too. A step is a string of round
# trips to the server; on one processor each is a switch of threads, while
# across two it wakes the other processor, which on these virtual machines
# takes a varying 50 to 100 microseconds: unpinned, the same program's
# steps per second vary sixfold from one run to the next.
on_one_processor() {
  local prefix="${WINEPREFIX:-$KLIKVANE_BUILD/wineprefix}" server="" pid status=0
  for pid in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && server=$pid
  done
  [ -n "$server" ] && taskset -p -c 0 "$server" >/dev/null
  taskset -c 0 "$@" || status=$?
  [ -n "$server" ] && taskset -p -c "0-$(($(nproc) - 1))" "$server" >/dev/null
  return $status
}
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
if [ "$which" = foreground ]; then
  echo "== Foreground: delay-0 foreground clicks of the real program against bare loops of both ways of synthesising"
  echo "   one; every Wine process on one processor"
  on_one_processor "$root/scripts/wine-run.sh" "$bin/bench_clicking.exe" foreground "${KLIKVANE_BENCH_SCALE:-1}"
fi
if [ "$which" = step ]; then
  echo "== Step: where a step of the real program goes (its profiling build), and steps per second against the bare"
  echo "   step loop; every Wine process on one processor"
  on_one_processor "$root/scripts/wine-run.sh" "$bin/bench_clicking.exe" profile
  on_one_processor "$root/scripts/wine-run.sh" "$bin/bench_clicking.exe" throughput
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
