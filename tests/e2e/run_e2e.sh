#!/usr/bin/env bash
# End-to-end tests of the built Klikvane.exe as its users meet it: started in
# a Wine virtual desktop with a taskbar and a notification area, on an Xvfb
# display of its own, next to a recording target program, and driven only by
# real mouse and keyboard input (xdotool). What a user would see is read from
# outside with e2e_probe.exe; what the target received, from its log.
#   run_e2e.sh <build dir>
# Screenshots of every stage and the logs stay in <build dir>/e2e/. The Wine
# prefix <build dir>/e2e-prefix (made once) has a Wine server of its own.
# Ends with "N passed, M failed"; the exit code is non-zero on any failure.
# No "set -e": a failed check is counted and the run goes on to the next one.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
[ $# -ge 1 ] && [ -d "$1" ] || { echo "usage: $0 <build dir>" >&2; exit 2; }
build="$(cd "$1" && pwd)"
bin="$build/bin"
work="$build/e2e"
# Under a code page other than 936 the program sits in a folder with a
# Chinese name, or under UTF-8 a Korean one (characters GBK lacks; Wine
# reads the name in the Linux locale scripts/setup.sh makes): the settings
# file is found, written and read again there.
case "${KLIKVANE_WINE_LOCALE:-zh_CN.UTF-8}" in
  zh_CN*) app="$work/app" ;;
  hi_IN*) app="$work/클릭기" ;;
  *) app="$work/点击器" ;;
esac
started_ms=$(($(date +%s%N) / 1000000))

rm -rf "$work"
mkdir -p "$app"
for file in "$build/Klikvane.exe" "$bin/recording_window.exe" "$bin/e2e_probe.exe"; do
  [ -f "$file" ] || { echo "missing $file: build first"; echo "0 passed, 1 failed"; exit 1; }
done
# A copy of its own, so that the settings file it writes beside itself is
# this run's alone.
cp "$build/Klikvane.exe" "$app/"

# The project's Wine environment (scripts/wine-env.sh, which also gives
# run_wine), with a prefix of this run's own; DISPLAY is set once a display
# of its own answers.
export WINEPREFIX="$build/e2e-prefix"
unset WINESERVER LC_ALL
KLIKVANE_BUILD="$build" source "$here/../../scripts/wine-env.sh"
source "$here/e2e_lib.sh"

# --- The session: display, prefix, Wine server; all ended on the way out.
xvfb_pid=""
xvfb_pidfile="$build/e2e-xvfb.pid"
klikvane_pid=""
target_pid=""

end_session() {
  wineserver -k >>"$work/wine.log" 2>&1 </dev/null
  local pid
  for pid in $klikvane_pid $target_pid; do
    wait_for 10 process_gone "$pid" || kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    rm -f "$xvfb_pidfile"
  fi
}
trap end_session EXIT
trap 'echo "interrupted"; exit 1' INT TERM

process_gone() { ! kill -0 "$1" 2>/dev/null; }
display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
answered=0
display_answers_or_server_gone() {
  display_answers && answered=1
  [ "$answered" = 1 ] || process_gone "$xvfb_pid"
}

# try_display <number>: an Xvfb on that display, answering; false (and no
# server left behind) when the display is taken or the server does not answer.
# Without -noreset the server resets when its first client leaves, and on a
# slow machine the next client can find it resetting.
try_display() {
  export DISPLAY=":$1"
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >>"$work/xvfb.log" 2>&1 </dev/null &
  xvfb_pid=$!
  echo "$xvfb_pid" >"$xvfb_pidfile"
  answered=0
  wait_for 30 display_answers_or_server_gone
  [ "$answered" = 1 ] && return 0
  echo "display $DISPLAY: Xvfb $xvfb_pid $(process_gone "$xvfb_pid" && echo ended || echo "does not answer")" \
    >>"$work/xvfb.log"
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  rm -f "$xvfb_pidfile"
  xvfb_pid=""
  return 1
}

# A display no one else uses: :97 unless it is taken; a lock whose server is
# gone is removed, and an Xvfb that an interrupted run of this script left
# behind is ended.
start_display() {
  if [ -f "$xvfb_pidfile" ]; then
    local old
    old="$(cat "$xvfb_pidfile")"
    grep -qa Xvfb "/proc/$old/cmdline" 2>/dev/null && kill "$old" 2>/dev/null && sleep 0.5
    rm -f "$xvfb_pidfile"
  fi
  local number candidates="${KLIKVANE_E2E_DISPLAY:-97 $(seq 98 110)}"
  for number in $candidates; do
    local lock="/tmp/.X$number-lock"
    if [ -f "$lock" ]; then
      kill -0 "$(tr -d ' ' <"$lock")" 2>/dev/null && continue
      rm -f "$lock" "/tmp/.X11-unix/X$number"
    fi
    try_display "$number" && return 0
  done
  return 1
}

# Every Wine process of the prefix joins one virtual desktop named "shell",
# the name for which Wine's explorer shows a taskbar and a notification area:
# the same desktop as "wine explorer /desktop=shell,1024x768 Klikvane.exe"
# gives, with Klikvane's own exit code at the end.
prepare_prefix() {
  wineserver -k >/dev/null 2>&1 </dev/null  # a server an interrupted run left behind
  [ -f "$WINEPREFIX/e2e-desktop-set" ] && return 0
  rm -rf "$WINEPREFIX"
  wineboot -i >>"$work/wine.log" 2>&1 </dev/null || return 1
  run_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >>"$work/wine.log" 2>&1 </dev/null &&
    run_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >>"$work/wine.log" 2>&1 </dev/null &&
    touch "$WINEPREFIX/e2e-desktop-set" || return 1
  wineserver -w >>"$work/wine.log" 2>&1 </dev/null  # the set-up's server saves the registry and ends
}

start_session() {
  start_display || { fail "an Xvfb display starts"; return 1; }
  echo "display $DISPLAY, prefix $WINEPREFIX"
  prepare_prefix || { fail "the Wine prefix is made"; return 1; }
  add_symbol_font
  # A persistent server: each Wine process then starts in a fraction of a second.
  wineserver -p >>"$work/wine.log" 2>&1 </dev/null || true
}

# --- The programs.
# The target's title: a run may name one with characters GBK lacks.
target_title="${KLIKVANE_E2E_TITLE:-点击靶子}"
target_file="$work/target.log"

start_target() {
  run_wine "$bin/recording_window.exe" "Z:${target_file//\//\\}" "$(program_hex "$target_title")" 20 100 320 240 \
    >"$work/target.out" 2>&1 </dev/null &
  target_pid=$!
  wait_for 90 test -s "$target_file.ready" || { fail "the target window appears"; return 1; }
  read target_hwnd target_x target_y _ <"$target_file.ready"
  echo "target window $target_hwnd, client origin $target_x,$target_y"
}

start_klikvane() {
  run_wine "$app/Klikvane.exe" >"$work/klikvane-$1.out" 2>&1 </dev/null &
  klikvane_pid=$!
  if wait_for 90 window_is visible 1 && locate_main_window; then
    pass "Klikvane starts and shows its window ($1 start)"
  else
    fail "Klikvane starts and shows its window ($1 start)" "probe: $(echo $win)"
    return 1
  fi
}

# Ends Klikvane with Control+Q and checks its exit code.
quit_klikvane() {
  focus_main_window
  press ctrl+q
  if wait_for 30 process_gone "$klikvane_pid"; then
    wait "$klikvane_pid"
    check "Control+Q ends Klikvane with exit code 0 ($1)" 0 "$?"
  else
    fail "Control+Q ends Klikvane ($1)" "the process is still running"
  fi
  klikvane_pid=""
}

# --- Plan building by pointing, typing and clicking.

# capture <screen x> <screen y> <expected X text> <expected Y text>:
# Control+1 with the real cursor over that point.
capture() {
  local want_x want_y
  want_x="$(program_hex "$3")" want_y="$(program_hex "$4")"
  move_to "$1" "$2"
  press ctrl+1
  if wait_for 20 state_is x "$want_x" y "$want_y"; then
    pass "Control+1 over $1,$2 captures $3,$4"
  else
    fail "Control+1 over $1,$2 captures $3,$4" "seen X, Y: $(hex_text "$(value x)"), $(hex_text "$(value y)")"
  fi
}

# Types the delay into its field. Keystrokes that the X server hands Wine
# before Wine has taken the keyboard focus can be lost (seen once, on the
# first keys of a fresh desktop), so the field is cleared and typed again,
# up to three times, until it reads right; a retry is noted.
type_delay() {
  local want attempt
  want="$(program_hex "$1")"
  for attempt in 1 2 3; do
    click_control delay
    press End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
    xdotool type "$1"
    if wait_for 10 state_is delay "$want"; then
      [ "$attempt" = 1 ] || echo "NOTE  the delay field took $attempt attempts at typing $1"
      return 0
    fi
  done
  fail "the delay field reads $1 after typing" "seen: $(hex_text "$(value delay)")"
}

# add_point <screen x> <screen y> <expected X text> <expected Y text> <delay>:
# the delay typed first (so Klikvane has the keyboard), the point captured
# with Control+1 over the target, then 添加.
add_point() {
  local rows_before
  read_state
  rows_before="$(value rows)"
  type_delay "$5"
  capture "$1" "$2" "$3" "$4"
  click_control add
  wait_for 10 state_is rows $((rows_before + 1)) || fail "添加 adds a row" "rows: $rows_before, then $(value rows)"
}

# check_plan <what> <row cells...>: rows given as "x|y|delay|button".
check_plan() {
  local what="$1" row index=0
  shift
  read_state
  check "$what: row count" "$#" "$(value rows)"
  for row in "$@"; do
    check "$what: row $index" "$(row_hex ${row//|/ })" "$(value row$index)" row_text
    index=$((index + 1))
  done
}

menu_open() {
  menu="$(probe menu)"
  [ "$(value found "$menu")" = 1 ]
}

# Deletes plan row 0 through its row menu (right click, 删除).
delete_first_row() {
  local rows_before menu left top right bottom
  read_state
  rows_before="$(value rows)"
  click_control row0
  click_control row0 3
  if ! wait_for 10 menu_open; then
    fail "a right click on a row opens the row menu"
    return 1
  fi
  read left top right bottom <<<"$(value menu "$menu" | tr , ' ')"
  click_at $(((left + right) / 2)) $((top + (bottom - top) / 6))  # the first entry, 删除
  wait_for 10 state_is rows $((rows_before - 1)) ||
    fail "删除 in the row menu deletes the row" "rows: $rows_before, then $(value rows)"
}

# Chooses an item of a drop-down list by the keyboard after opening it with
# a click: Home, then Down as often as needed, then Return.
# The list is rebuilt as it drops down, so its items are read once it is open.
combo_offers() {
  read_state
  [ "$(value "$1_dropped")" = 1 ] || return 1
  local i count="$(value "$1_items")"
  for ((i = 0; i < ${count:-0}; i++)); do
    [ "$(value "$1_item$i")" = "$2" ] && { index=$i; return 0; }
  done
  return 1
}

choose_in_combo() {
  local name="$1" wanted_hex="$2" index=-1 i
  click_control "$name"
  if ! wait_for 10 combo_offers "$name" "$wanted_hex"; then
    press Escape
    local items="" count="$(value "${name}_items")"
    for ((i = 0; i < ${count:-0}; i++)); do items+="[$(hex_text "$(value "${name}_item$i")")] "; done
    fail "the drop-down list of $name opens and offers $(hex_text "$wanted_hex")" \
      "open: $(value "${name}_dropped"), items: $items"
    return 1
  fi
  press Home
  for ((i = 0; i < index; i++)); do press Down; done
  press Return
}

# The run has lasted two seconds since $begun and the target has had at
# least <count> button presses since line $from.
two_seconds_and_downs() {
  [ $(($(now_ms) - begun)) -ge 2000 ] && [ "$(target_lines_after "$from" | grep -c '^0201 ')" -ge "$1" ]
}

# Notes in $moved where the cursor was whenever it was not at $park_x,$park_y;
# true once the run has lasted two seconds and the target has had <count>
# messages since line $from.
cursor_kept_until_messages() {
  cursor_at "$park_x" "$park_y" || moved+="$(cursor); "
  [ $(($(now_ms) - begun)) -ge 2000 ] && [ "$(target_lines_after "$from" | wc -l)" -ge "$1" ]
}

target_log_settled() {
  local count=$(target_line_count)
  sleep 0.5
  [ "$count" = "$(target_line_count)" ]
}

# --- Stage: a foreground plan captured over the target and played.
foreground_plan() {
  local ax=$((target_x + 60)) ay=$((target_y + 40)) bx=$((target_x + 200)) by=$((target_y + 150))
  add_point $ax $ay $ax $ay 300
  add_point $bx $by $bx $by 500
  check_plan "foreground plan" "$ax|$ay|300|左键" "$bx|$by|500|左键"
  shot foreground-plan

  local park_x=820 park_y=90 from
  move_to $park_x $park_y
  from=$(target_line_count)
  local begun=$(now_ms)
  press F6
  wait_for 10 state_is stop_enabled 1 || fail "F6 starts the run (停止/F7 enabled)"
  # About two seconds, and at least two clicks at each point.
  wait_for 60 two_seconds_and_downs 4
  press F7
  wait_for 10 state_is start_enabled 1 stop_enabled 0 || fail "F7 stops the run (开始/F6 enabled, 停止/F7 disabled)"
  shot foreground-run
  wait_for 5 cursor_at $park_x $park_y
  check "the cursor is back where it was after the foreground run" "$park_x $park_y" "$(cursor)"

  local a="$(lparam 60 40)" b="$(lparam 200 150)"
  check_cycle "the target received left clicks at client 60,40 and 200,150 in turn, at least 4" \
    "$(target_lines_after $from | grep -E '^020[12] ')" 8 2 \
    "0201 00000001 $a" "0202 00000000 $a" "0201 00000001 $b" "0202 00000000 $b"
  local settled=$(target_line_count)
  sleep 1.5  # longer than a whole pass: a click that comes now came after the stop
  check "no click reaches the target after F7" "$settled" "$(target_line_count)"
}

# --- Stage: a background plan against the target chosen by its title.
background_plan() {
  delete_first_row
  delete_first_row
  check_plan "plan after deleting both rows"

  choose_in_combo mode "$(program_hex 后台点击)"
  wait_for 10 state_is mode "$(program_hex 后台点击)"
  check "the click mode reads 后台点击" "$(program_hex 后台点击)" "$(value mode)" hex_text
  check "the title list is enabled in background mode" 1 "$(value title_enabled)"
  # Dropping the list down rebuilds it: the target is in it now.
  choose_in_combo title "$(program_hex "$target_title")"
  wait_for 10 state_is title "$(program_hex "$target_title")"
  check "the target's title is chosen from the title list" "$(program_hex "$target_title")" "$(value title)" hex_text
  shot background-choice

  add_point $((target_x + 100)) $((target_y + 60)) 100 60 300
  add_point $((target_x + 250)) $((target_y + 180)) 250 180 500
  check_plan "background plan" "100|60|300|左键" "250|180|500|左键"
  background_run background-run "the target received"
}

# A background run of the plan (100,60 then 250,180) from F6 to F7: the real
# cursor stays put and the target receives whole posted clicks in turn.
#   background_run <screenshot name> <what the checks say happened>
background_run() {
  local park_x=860 park_y=130 from moved=""
  move_to $park_x $park_y
  # The target's log settles once the cursor has left it.
  wait_for 10 target_log_settled
  from=$(target_line_count)
  local begun=$(now_ms)
  press F6
  wait_for 60 cursor_kept_until_messages 12
  press F7
  wait_for 10 state_is start_enabled 1 stop_enabled 0 || fail "F7 stops the background run"
  shot "$1"
  check "the real cursor never moved during the background run" "" "$moved"

  local c="$(lparam 100 60)" d="$(lparam 250 180)"
  check_cycle "$2 whole posted clicks (move, down, up) at 100,60 and 250,180 in turn, at least 4" \
    "$(target_lines_after $from)" 12 3 \
    "0200 00000002 $c" "0201 00000001 $c" "0202 00000000 $c" "0200 00000002 $d" "0201 00000001 $d" "0202 00000000 $d"
}

# --- Stage: save, quit, start again, load.
ini_has_line() { ini_text | grep -q "^$1"; }
ini_text() { iconv -f GB18030 -t UTF-8 <"$app/Marrowfen.ini" 2>/dev/null | tr -d '\r'; }

save_quit_restart_load() {
  click_control save
  wait_for 20 ini_has_line "坐标2="
  local expected
  expected="$(printf '%s\n' "[Configuration]" "前后台=1" "窗口标题=$target_title" "坐标个数=2" \
    "[Coordinate]" "坐标1=100|60|300|左键" "坐标2=250|180|500|左键")"
  check "保存 writes the plan, the mode and the title to the settings file" "$expected" "$(ini_text)"

  quit_klikvane "after saving"
  wait_for 10 window_is found 0 || fail "the window is gone after Control+Q"
  shot after-quit

  start_klikvane second || return 1
  read_state
  check "a fresh start shows an empty plan" 0 "$(value rows)"
  check "a fresh start is in foreground mode" "$(program_hex 前台点击)" "$(value mode)" hex_text
  check "a fresh start has the title list disabled" 0 "$(value title_enabled)"
  shot restarted

  click_control load
  wait_for 20 state_is rows 2
  check_plan "plan after 读取" "100|60|300|左键" "250|180|500|左键"
  check "读取 brings back background mode" "$(program_hex 后台点击)" "$(value mode)" hex_text
  check "读取 brings back the title" "$(program_hex "$target_title")" "$(value title)" hex_text
  check "读取 leaves the title list enabled and editable" "1 1" "$(value title_enabled) $(value title_editable)"
  shot loaded
  background_run loaded-run "after 读取 the target found by its loaded title received"
}

# The rectangle of the main window's taskbar button, if it has one.
taskbar_button() {
  read_window
  value "button_$(wvalue hwnd)" "$(probe tray)"
}

# --- Stage: minimise to the tray and back.
minimise_and_restore() {
  read_window
  local minimise="$(wvalue minbox)"
  if [ -z "$minimise" ]; then
    fail "the caption has a minimise box" "probe: $(echo $win)"
    return 1
  fi
  click_at ${minimise%,*} ${minimise#*,}
  if wait_for 10 window_is visible 0; then pass "the minimise box hides the window"; else
    fail "the minimise box hides the window" "probe: $(echo $win)"; fi
  check "the hidden window has no taskbar button" "" "$(taskbar_button)"
  shot minimised

  local icon
  if ! icon="$(find_tray_icon)"; then
    fail "the tray icon shows in the notification area" "no red ring found in the taskbar's right end"
    return 1
  fi
  pass "the tray icon shows in the notification area (at $icon)"
  click_at $icon
  if wait_for 10 window_is visible 1; then pass "a left click on the tray icon shows the window"; else
    fail "a left click on the tray icon shows the window" "probe: $(echo $win)"; fi
  check "the shown window is not topmost" 0 "$(wvalue topmost)"
  check "the shown window is above every other normal window" 1 "$(wvalue ontop)"
  shot tray-restored
  # It comes back as it was before it was minimised, not as a taskbar button.
  check "the shown window is not minimised" 0 "$(wvalue iconic)"
}

# --- Stage: messages from another program that Klikvane never issued.
comparable_state() {
  read_state
  read_window
  printf '%s\n' "$state" "visible=$(wvalue visible)" "iconic=$(wvalue iconic)" "rect=$(wvalue rect)"
}

found_or_not() { [ "${1:-0}" != 0 ] && echo found || echo "not found"; }

foreign_input() {
  local before after target_lines posted
  before="$(comparable_state)"
  target_lines=$(target_line_count)
  posted="$(probe foreign)"
  echo "$posted" >"$work/foreign.txt"
  check "the runtime's hidden window and the tray icon's window are found for the foreign messages" "found found" \
    "$(found_or_not "$(value runtime_window "$posted")") $(found_or_not "$(value tray_window "$posted")")"
  # Nothing can be awaited when nothing should happen: give Klikvane a moment
  # to handle what was posted, then look.
  sleep 1.5
  if kill -0 "$klikvane_pid" 2>/dev/null; then pass "Klikvane still runs after the foreign messages"; else
    fail "Klikvane still runs after the foreign messages"; return 1; fi
  after="$(comparable_state)"
  if [ "$before" = "$after" ]; then
    pass "the foreign messages changed neither the plan, the controls nor the window"
  else
    lines_of "$(diff <(echo "$before") <(echo "$after") | grep '^[<>]')"
    fail "the foreign messages change neither the plan, the controls nor the window" \
      "changed lines (< before, > after):" "${lines[@]}"
  fi
  check "the foreign messages started no clicks (target log lines)" "$target_lines" "$(target_line_count)"
  shot after-foreign
}

# --- Stage: the tray icon control against the real notification area.
# tests/controls_basic/tray_shell_test.cpp needs a taskbar, which only a
# desktop like this one has; elsewhere it skips itself. Here it must run and
# pass: a skip counts as a failure. It goes first, while its icon is the
# only one in the notification area.
tray_shell_test() {
  local out="$work/tray-shell.out" code
  run_wine "$bin/test_controls_basic.exe" --gtest_filter='TrayShell*' >"$out" 2>&1 </dev/null
  code=$?
  tr -d '\r' <"$out" >"$out.txt"
  if [ "$code" = 0 ] && grep -q '^\[  PASSED  \] 1 test' "$out.txt" && ! grep -q '^\[  SKIPPED \]' "$out.txt"; then
    pass "the tray icon control's shell test runs and passes in a desktop with a taskbar"
  else
    lines_of "$(tail -n 30 "$out.txt")"
    fail "the tray icon control's shell test runs and passes in a desktop with a taskbar (exit code $code)" "${lines[@]}"
  fi
}

# --- The run.
# Stops the run after a stage that later stages cannot do without.
needed() { "$@" || { [ "$failed" -gt 0 ] || fail "$*"; return 1; }; }

# Whether the title list holds the target's title.
title_list_has_target() {
  local i wanted="$(program_hex "$target_title")" count="$(value title_items)"
  for ((i = 0; i < ${count:-0}; i++)); do
    [ "$(value "title_item$i")" = "$wanted" ] && { echo yes; return; }
  done
  echo no
}

main() {
  needed start_session || return
  tray_shell_test
  needed start_klikvane first || return
  # The target starts after Klikvane, so only a title list rebuilt when it
  # drops down can offer it.
  needed start_target || return
  shot started
  probe tree >"$work/klikvane-windows.txt"
  read_state
  check "Klikvane starts with an empty plan" 0 "$(value rows)"
  check "the title list made at start-up does not hold the later target" no "$(title_list_has_target)"
  foreground_plan
  background_plan
  needed save_quit_restart_load || return
  minimise_and_restore
  foreign_input
  quit_klikvane "at the end"
}

main
echo "e2e run took $((($(date +%s%N) / 1000000 - started_ms) / 1000)) s; screenshots in $work"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
