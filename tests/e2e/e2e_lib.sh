# Sourced by run_e2e.sh: results, waiting, texts, real input, and looking at
# Klikvane through e2e_probe.exe. Expects $work (artefacts), $bin (helpers),
# DISPLAY and scripts/wine-env.sh to be sourced.

passed=0
failed=0

pass() {
  passed=$((passed + 1))
  echo "PASS  $1"
}

# fail <what> [detail lines...]; at most 40 detail lines are shown.
fail() {
  failed=$((failed + 1))
  echo "FAIL  $1"
  shift
  local line
  for line in "${@:1:40}"; do echo "        $line"; done
  [ $# -le 40 ] || echo "        ... ($(($# - 40)) more)"
}

# lines_of <text>: prints nothing, fills the array "lines" with its lines.
lines_of() { mapfile -t lines <<<"$1"; }

# check <what> <expected> <seen> [how to show a value]
check() {
  local show="${4:-printf %s}"
  if [ "$2" = "$3" ]; then
    pass "$1"
  else
    fail "$1" "expected: $($show "$2")" "seen:     $($show "$3")"
  fi
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_for <seconds> <command...>: runs the command until it succeeds.
wait_for() {
  local end=$(($(now_ms) + $1 * 1000))
  shift
  while :; do
    "$@" && return 0
    [ "$(now_ms)" -ge "$end" ] && return 1
    sleep 0.2
  done
}

# --- Texts: the program's texts are GB18030 (GBK for every text GBK holds);
# the probe prints their bytes in hex.
program_hex() { printf '%s' "$1" | iconv -f UTF-8 -t GB18030 | od -An -v -tx1 | tr -d ' \n'; }
hex_text() { printf "$(printf '%s' "$1" | sed 's/../\\x&/g')" | iconv -f GB18030 -t UTF-8 2>/dev/null || printf '<%s>' "$1"; }
# A plan row as the probe prints it (cells in hex joined by "|"), readable.
row_text() {
  local cell out="" IFS='|'
  for cell in $1; do out+="$(hex_text "$cell")|"; done
  printf '%s' "${out%|}"
}
row_hex() {
  local out="" cell
  for cell in "$@"; do out+="$(program_hex "$cell")|"; done
  printf '%s' "${out%|}"
}

# --- Wine processes (started with run_wine from scripts/wine-env.sh): every
# output goes to a file, never to a pipe that Wine's daemons could inherit
# and hold open.

# probe <arguments>: e2e_probe.exe's output.
probe() {
  run_wine "$bin/e2e_probe.exe" "$@" >"$work/probe.out" 2>>"$work/wine.log" </dev/null
  tr -d '\r' <"$work/probe.out"
}

# The main window's controls and the main window itself, read into $state
# and $win; value <key> [text] picks one line.
read_state() { state="$(probe state)"; }
read_window() { win="$(probe window)"; }
value() { printf '%s\n' "${2-$state}" | sed -n "s/^$1=//p" | head -n 1; }
wvalue() { value "$1" "$win"; }

# state_is <key> <value> [<key> <value>...]: one fresh look, every pair true.
state_is() {
  read_state
  while [ $# -ge 2 ]; do
    [ "$(value "$1")" = "$2" ] || return 1
    shift 2
  done
}
window_is() {
  read_window
  [ "$(wvalue "$1")" = "$2" ]
}

# --- Real input through the X server.
cursor() { xdotool getmouselocation --shell | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x " " y}'; }
cursor_at() { [ "$(cursor)" = "$1 $2" ]; }
move_to() {
  xdotool mousemove "$1" "$2"
  wait_for 5 cursor_at "$1" "$2" || fail "the cursor reaches $1,$2" "seen: $(cursor)"
}
click_at() {
  move_to "$1" "$2"
  xdotool click "${3:-1}"
}
press() { xdotool key "$@"; }

# Klikvane's controls: where the window template puts them, as points inside
# each control relative to the main window's client origin ($cx, $cy).
declare -A control_point=(
  [load]="205 20" [save]="253 20" [mode]="45 52" [title]="180 52"
  [delay]="133 80" [add]="250 78" [row0]="40 128"
)
click_control() {
  local point=(${control_point[$1]})
  click_at $((cx + point[0])) $((cy + point[1])) "${2:-1}"
}

# Finds the main window and its client origin; clicks its caption so that a
# Wine window has the keyboard focus (hotkeys need that).
locate_main_window() {
  read_window
  [ "$(wvalue found)" = 1 ] || return 1
  read cx cy <<<"$(wvalue client | tr , ' ')"
  read caption_x caption_y <<<"$(wvalue caption | tr , ' ')"
  [ -n "$cx" ] && [ -n "$caption_x" ]
}
focus_main_window() {
  click_at "$caption_x" "$caption_y"
  wait_for 10 window_is foreground 1
}

# --- The recording target: "<message> <wParam> <lParam> ..." lines.
target_line_count() { wc -l <"$work/target.log"; }
# target_lines_after <count>: the first three fields of every later line.
target_lines_after() { tail -n +$(($1 + 1)) "$work/target.log" | awk '{print $1, $2, $3}'; }
# check_cycle <what> <seen lines> <at least> <in whole groups of> <line>...:
# the seen lines are the given lines over and over, at least that many, and
# they end at the end of a group.
check_cycle() {
  local what="$1" seen="$2" least="$3" group="$4" expected="" n i
  shift 4
  n=$(printf '%s\n' "$seen" | grep -c .)
  for ((i = 0; i < n; i++)); do expected+="${@:i % $# + 1:1}"$'\n'; done
  if [ "$n" -ge "$least" ] && [ $((n % group)) = 0 ] && [ "$seen" = "${expected%$'\n'}" ]; then
    pass "$what ($n messages)"
  else
    lines_of "$seen"
    fail "$what" "expected over and over (message wParam lParam), at least $least lines, whole groups of $group:" \
      "$@" "seen:" "${lines[@]}"
  fi
}

# lparam <x> <y>: a client point packed as the mouse messages carry it.
lparam() { printf '%08X' $((($2 << 16) | ($1 & 0xFFFF))); }

# --- Screenshots, kept as artefacts in order.
shot_number=0
shot() {
  shot_number=$((shot_number + 1))
  import -display "$DISPLAY" -window root "$work/$(printf '%02d' "$shot_number")-$1.png" 2>>"$work/wine.log" || true
}

# The tray icon: its red ring, searched for in the right end of the taskbar
# on a fresh screenshot; prints the ring's centre.
find_tray_icon() {
  local tray left top right bottom
  tray="$(probe tray)"
  read left top right bottom <<<"$(value tray "$tray" | tr , ' ')"
  [ -n "$bottom" ] || return 1
  local width=160 height=$((bottom - top))
  import -display "$DISPLAY" -window root "$work/tray-search.png" 2>>"$work/wine.log" || return 1
  convert "$work/tray-search.png" -crop "${width}x${height}+$((right - width))+$top" +repage txt:- \
    >"$work/tray.txt" 2>>"$work/wine.log" || return 1
  awk -v x0=$((right - width)) -v y0="$top" '
    NR > 1 {
      split($1, at, /[,:]/); split($2, rgb, /[(),]/)
      if (rgb[2] >= 180 && rgb[3] <= 80 && rgb[4] <= 80) { n++; sx += at[1]; sy += at[2] }
    }
    END { if (n >= 20) printf "%d %d\n", x0 + sx / n, y0 + sy / n; else exit 1 }' "$work/tray.txt"
}
