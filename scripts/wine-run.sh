#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix, with the
# GBK code page and Wine's own chatter silenced (scripts/wine-env.sh). Used
# by CTest as the cross-compiling emulator.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
exec env LC_ALL="$wine_locale" wine "$@"
