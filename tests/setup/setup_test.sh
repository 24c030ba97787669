#!/usr/bin/env bash
# Runs scripts/setup.sh against logging stand-ins for apt-get, dpkg-query,
# dpkg, localedef and sudo, put first on PATH, so that no real package is
# touched. Each case sets how the stand-ins answer and checks the log.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bin="$work/bin"; log="$work/calls.log"
mkdir -p "$bin"

# A stand-in logs its name and arguments, then answers as the case says.
stand_in() {
  local name="$1" body="$2"
  printf '#!/usr/bin/env bash\necho "%s $*" >> "%s"\n%s\n' "$name" "$log" "$body" > "$bin/$name"
  chmod +x "$bin/$name"
}
stand_in sudo 'exec "$@"'
stand_in dpkg 'case "$1" in --print-foreign-architectures) echo i386;; esac'
stand_in localedef ':'
stand_in dpkg-query '[ "${SETUP_TEST_MISSING:-}" = none ] && echo -n "install ok installed"; exit 0'
stand_in apt-get '
case "$1" in
  update) [ "${SETUP_TEST_UPDATE:-ok}" = ok ] ;;
  install)
    case "${SETUP_TEST_INSTALL:-ok}" in
      ok) exit 0 ;;
      only-with-suite) for a in "$@"; do [ "$a" = -t ] && exit 0; done; exit 100 ;;
      *) exit 100 ;;
    esac ;;
esac'

codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
failures=0; passed=0
check() {  # check <case> <condition...>
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else
    failures=$((failures + 1))
    echo "FAILED: $name"; echo "--- calls:"; cat "$log" 2>/dev/null; echo "--- output:"; cat "$work/out"
  fi
}
run_setup() {  # run_setup <env assignments...>; leaves the exit code in $rc
  : > "$log"
  env PATH="$bin:$PATH" "$@" bash "$root/scripts/setup.sh" wine xvfb > "$work/out" 2>&1
  rc=$?
}
installs() { grep -c '^apt-get install' "$log"; }

# The update fails and the install fails unless the release's suite is
# preferred: set-up goes on and ends well, the second install names the suite.
run_setup SETUP_TEST_UPDATE=fail SETUP_TEST_INSTALL=only-with-suite
check "mid-sync: ends 0" test "$rc" -eq 0
check "mid-sync: update reported in one line" \
  test "$(grep -c 'apt-get update failed' "$work/out")" -eq 1
check "mid-sync: two installs" test "$(installs)" -eq 2
check "mid-sync: second install prefers the release's suite" \
  grep -qx "apt-get install -y -q --no-install-recommends -t $codename wine xvfb" "$log"

# Both installs fail: set-up fails and names the packages.
run_setup SETUP_TEST_INSTALL=fail
check "both fail: exit code" test "$rc" -ne 0
check "both fail: packages named" grep -qx 'setup.sh: could not install: wine xvfb' "$work/out"

# The first try works: one update, one install, as before.
run_setup
check "first try works: ends 0" test "$rc" -eq 0
check "first try works: one update and one install, no suite" \
  test "$(grep -c '^apt-get' "$log")" -eq 2 -a "$(installs)" -eq 1
check "first try works: no suite" bash -c "! grep -q -- ' -t ' '$log'"

# Nothing missing: no apt call at all.
run_setup SETUP_TEST_MISSING=none
check "nothing missing: ends 0" test "$rc" -eq 0
check "nothing missing: no apt call" bash -c "! grep -q '^apt-get' '$log'"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
