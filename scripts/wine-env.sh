# Sourced: the environment every Wine process of the project runs in.
: "${KLIKVANE_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$KLIKVANE_BUILD/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# KLIKVANE_XVFB_DISPLAY names the display by its number, with or without
# the colon ("71" or ":71").
xvfb_display="${KLIKVANE_XVFB_DISPLAY:-93}"
export DISPLAY="${DISPLAY:-:${xvfb_display#:}}"

# LC_ALL=zh_CN.UTF-8 gives Wine's processes the GBK code page (GetACP() ==
# 936) even though the Linux locale is not generated. It is set for Wine's
# commands only: exported to the shell, it would make bash and every other
# tool warn that it cannot switch to that locale.
wine_locale="${KLIKVANE_WINE_LOCALE:-zh_CN.UTF-8}"
with_wine_locale() { LC_ALL="$wine_locale" "$@"; }
run_wine() { with_wine_locale wine "$@"; }

# Wine draws the caption buttons with Marlett, the symbol font of Debian's
# fonts-wine; without it they show as the letters "0", "1" and "r". This Wine
# does not look in its own font folder, so the font goes into the prefix's.
add_symbol_font() {
  local font=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$font" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && cp "$font" "$fonts/"
  return 0
}
