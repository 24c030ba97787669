#!/usr/bin/env bash
# Installs what building and testing need, only when something is missing.
#   setup.sh [package...]   (without arguments: everything the project uses)
# fonts-wine holds Marlett, the symbol font Wine draws the caption buttons
# with; without it they show as letters.
set -euo pipefail
packages=(g++-mingw-w64-i686 wine wine32:i386 xvfb xdotool googletest cmake
          make g++ fonts-wqy-microhei fonts-wine imagemagick x11-apps x11-utils zip
          clang libclang-rt-14-dev locales)
[ $# -gt 0 ] && packages=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
# Wine reads Unix file names beyond ASCII only in a generated Linux locale:
# the tests run under code pages 1252 and 65001 in a folder with a Chinese
# name. (Called after the packages, which bring localedef.)
generate_locales() {
  [ $# -gt 0 ] && return 0
  for name in en_US hi_IN; do
    locale -a 2>/dev/null | grep -qx "$name.utf8" || $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
  done
}
apt_install() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@"
}
release_codename() {
  (. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
}
if [ ${#missing[@]} -eq 0 ]; then generate_locales "$@"; exit 0; fi
echo "setup.sh: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A registry mid-sync fails one list or another; apt keeps the lists it did
# fetch, and those are enough for the packages here.
$sudo apt-get update -q ||
  echo "setup.sh: apt-get update failed for some lists; going on with the lists it fetched" >&2
# Without one suite's lists the two halves of a Multi-Arch package (amd64
# and i386) may have candidates of different versions, which apt refuses to
# pair; preferring the release's own suite takes both from one suite.
if ! apt_install "${missing[@]}"; then
  codename="$(release_codename)"
  echo "setup.sh: the install failed; trying again with the release's own suite (${codename:-unknown}) preferred" >&2
  if [ -z "$codename" ] || ! apt_install -t "$codename" "${missing[@]}"; then
    echo "setup.sh: could not install: ${missing[*]}" >&2
    exit 1
  fi
fi
generate_locales "$@"
