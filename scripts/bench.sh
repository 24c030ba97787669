#!/usr/bin/env bash
# Builds and runs the benchmarks under the headless Wine session, each side by
# side with its baseline in the same run. Usage: scripts/bench.sh [startup|...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" >/dev/null
bash "$root/scripts/wine-session.sh" start
trap 'bash "$root/scripts/wine-session.sh" stop' EXIT
run() { "$root/scripts/wine-run.sh" "$@"; }
bin="$KLIKVANE_BUILD/bin"
which="${1:-all}"
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
  echo "== Soak: ten-row delay-0 plan, started and stopped every 3 s and edited, for ${KLIKVANE_SOAK_SECONDS:-600} s"
  run "$bin/bench_soak.exe" "${KLIKVANE_SOAK_SECONDS:-600}"
fi
