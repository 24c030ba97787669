#!/usr/bin/env bash
# Runs a Windows program under the project's private Wine prefix, with the
# GBK code page (LC_ALL=zh_CN.UTF-8 gives GetACP() == 936) and Wine's own
# chatter silenced. Used by CTest as the cross-compiling emulator.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
exec wine "$@"
