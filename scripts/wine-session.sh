#!/usr/bin/env bash
# Starts or stops the headless session the tests run in: an Xvfb display, the
# private Wine prefix (created once) and a persistent Wine server, so each
# Wine process starts in a fraction of a second. Every daemon's output goes to
# a file, never to the caller's pipe, and "stop" ends all of them.
#   wine-session.sh start | stop
# No "set -e": a step that fails here (a server already gone, a display
# still starting) must not stop the rest of the start or the stop.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$here/../build}"
mkdir -p "$KLIKVANE_BUILD"
KLIKVANE_BUILD="$(cd "$KLIKVANE_BUILD" && pwd)"
unset DISPLAY
source "$here/wine-env.sh"
pidfile="$KLIKVANE_BUILD/xvfb.pid"
log="$KLIKVANE_BUILD/wine-session.log"

start() {
  if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then :; else
    rm -f "/tmp/.X${DISPLAY#:}-lock" "/tmp/.X11-unix/X${DISPLAY#:}"
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >>"$log" 2>&1 </dev/null &
    echo $! > "$pidfile"
    for _ in $(seq 100); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    with_wine_locale wineboot -i >>"$log" 2>&1 </dev/null
  fi
  add_symbol_font
  with_wine_locale wineserver -p >>"$log" 2>&1 </dev/null
  # The first Wine process of a server starts Wine's own services, which
  # inherit its output: start them here, writing to the log, so that no
  # later test's output pipe is held open by them.
  run_wine cmd.exe /c exit >>"$log" 2>&1 </dev/null || true
}

stop() {
  wineserver -k >>"$log" 2>&1 </dev/null || true
  if [ -f "$pidfile" ]; then kill "$(cat "$pidfile")" 2>/dev/null || true; rm -f "$pidfile"; fi
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
