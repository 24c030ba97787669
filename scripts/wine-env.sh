# Sourced: the environment every Wine process of the project runs in.
: "${KLIKVANE_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$KLIKVANE_BUILD/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=zh_CN.UTF-8
export DISPLAY="${DISPLAY:-:${KLIKVANE_XVFB_DISPLAY:-93}}"
