#!/usr/bin/env bash
# Builds the zip for Windows users: Klikvane.exe and a short usage text in
# Chinese, in one folder. The text is stored as UTF-8 with a byte-order mark
# and Windows line ends, which every Notepad since Windows XP shows right;
# its file name is ASCII, so that no unzip tool can garble it.
#   scripts/package.sh   ->  build/Klikvane-<version>-win32.zip
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KLIKVANE_BUILD="${KLIKVANE_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" >/dev/null
# The version the executable's version record states.
version="$(sed -n 's/^#define KLV_VERSION_TEXT "\(.*\)"$/\1/p' "$root/app/version.rc")"
[ -n "$version" ] || { echo "package.sh: no version in app/version.rc" >&2; exit 1; }
name="Klikvane-$version-win32"
stage="$KLIKVANE_BUILD/package/Klikvane"
zip="$KLIKVANE_BUILD/$name.zip"
rm -rf "$KLIKVANE_BUILD/package" "$zip"
mkdir -p "$stage"
cp "$KLIKVANE_BUILD/Klikvane.exe" "$stage/"
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$root/docs/usage.zh-CN.txt"; } >"$stage/README.txt"
(cd "$KLIKVANE_BUILD/package" && zip -q -X -r "$zip" Klikvane)
echo "Package: $zip"
unzip -l "$zip" | tail -n +2
