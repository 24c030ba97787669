#!/usr/bin/env bash
# Runs a Windows program at 150 % display scale: in a Wine prefix of its own
# (<build dir>/scaled-prefix, made once) whose desktop has LogPixels 144,
# with a Wine server of its own that is ended on the way out. The display is
# the session's (scripts/wine-env.sh); the session's own prefix and server
# are left alone.
#   run_scaled.sh <build dir> <program> [arguments...]
# Each argument list after the program is separated by "--next": the
# program runs once per list, in turn, and the exit code is non-zero when
# any run failed.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[ $# -ge 2 ] && [ -d "$1" ] || { echo "usage: $0 <build dir> <program> [arguments...] [--next arguments...]" >&2; exit 2; }
build="$(cd "$1" && pwd)"
program="$2"
shift 2
export WINEPREFIX="$build/scaled-prefix"
unset WINESERVER
KLIKVANE_BUILD="$build" source "$here/../../scripts/wine-env.sh"
log="$build/scaled-prefix.log"
dpi_set_marker="$WINEPREFIX/logpixels-144"

# Every Wine process of this prefix inherits nothing of the caller's output
# but the program's own: the server and Wine's services write to the log.
prepare_prefix() {
  wineserver -k >>"$log" 2>&1 </dev/null  # a server an interrupted run left behind
  [ -f "$dpi_set_marker" ] && return 0
  rm -rf "$WINEPREFIX"
  with_wine_locale wineboot -i >>"$log" 2>&1 </dev/null || return 1
  run_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >>"$log" 2>&1 </dev/null ||
    return 1
  wineserver -w >>"$log" 2>&1 </dev/null  # the set-up's server saves the registry and ends
  touch "$dpi_set_marker"
}

end_session() { wineserver -k >>"$log" 2>&1 </dev/null; }

prepare_prefix || { echo "the Wine prefix at 144 DPI could not be made (see $log)"; exit 1; }
add_symbol_font
trap end_session EXIT
with_wine_locale wineserver -p >>"$log" 2>&1 </dev/null
run_wine cmd.exe /c exit >>"$log" 2>&1 </dev/null || true

status=0
arguments=()
run_once() {
  echo "== $(basename "$program") ${arguments[*]:-} at 144 DPI"
  run_wine "$program" "${arguments[@]}" </dev/null || status=1
  arguments=()
}
for argument in "$@"; do
  if [ "$argument" = "--next" ]; then run_once; else arguments+=("$argument"); fi
done
run_once
exit "$status"
