#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through Wine under a
# private headless display, then the native sanitizer and fuzz run
# (scripts/fuzz.sh). Ends with CTest's summary and then fuzz.sh's line.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
bash "$root/scripts/wine-session.sh" start
trap 'bash "$root/scripts/wine-session.sh" stop' EXIT
cd "$KLIKVANE_BUILD"
status=0
ctest --output-on-failure --timeout 1200 "$@" || status=$?
# Wine is done: stop it now, so that fuzz.sh's summary stays the last line.
trap - EXIT
bash "$root/scripts/wine-session.sh" stop || true
# The pure logic natively under sanitizers, and each fuzzer for a while.
KLIKVANE_FUZZ_SECONDS="${KLIKVANE_FUZZ_SECONDS:-60}" bash "$root/scripts/fuzz.sh" || status=1
exit "$status"
