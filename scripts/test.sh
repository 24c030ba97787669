#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through Wine under a
# private headless display. Ends with CTest's summary.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
bash "$root/scripts/wine-session.sh" start
trap 'bash "$root/scripts/wine-session.sh" stop' EXIT
cd "$KLIKVANE_BUILD"
ctest --output-on-failure --timeout 600 "$@"
