#!/usr/bin/env bash
# The real loxar window on a virtual screen, QSOs typed into it from the keyboard, the program
# killed with SIGKILL at random moments (while a callsign is typed, right after Enter, at rest,
# during its start) and started again on the same home, 14 times. At the end it is stopped
# with SIGTERM and its log read back with loxar-cli: every QSO whose Enter was pressed and which
# reached the band's working file must be there exactly once, nothing else may be, and the sent
# serials must run 1, 2, 3 ... Skips (77) without Xvfb or xdotool.
#
#   soak_kill.sh LOXAR LOXAR_CLI     LOXAR_SOAK_SEED=n repeats the random choices of a run
set -uo pipefail
loxar=$1
cli=$2
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/setup installs it)"; exit 77; }
done
seed=${LOXAR_SOAK_SEED:-$RANDOM}
RANDOM=$seed
echo "soak: seed $seed"
readonly rounds=14 locator=JN97KR
# Generous: a debug build on a busy machine starts slowly.
readonly start_timeout=40 land_timeout=20

work=$(mktemp -d)
home=$work/home
pid=
helpers=()  # Xvfb, the window manager, the keying box
cleanup() {
  local i
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  for ((i = ${#helpers[@]} - 1; i >= 0; i--)); do kill "${helpers[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
abort() {
  echo "FAIL: $*"
  echo "--- events:"; tail -15 "$work/events.txt"
  echo "--- loxar output:"; tail -15 "$work/loxar.log"
  exit 1
}
: >"$work/events.txt"
event() { echo "$*" >>"$work/events.txt"; }
pause_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }

# --- the screen, the window manager and a keying box (no box would mean a message at each start)
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
helpers+=($!)
read -r -t 20 display <"$work/display" || { cat "$work/xvfb.log"; abort "Xvfb did not start"; }
export DISPLAY=:$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
wm=0
if command -v openbox >/dev/null; then
  mkdir -p "$work/openbox"
  printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
    '<openbox_config xmlns="http://openbox.org/3.4/rc"><focus><focusNew>yes</focusNew></focus></openbox_config>' \
    >"$work/openbox/rc.xml"
  XDG_CONFIG_HOME=$work/openbox openbox --config-file "$work/openbox/rc.xml" >"$work/openbox.log" 2>&1 &
  helpers+=($!)
  for _ in $(seq 100); do
    [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *'window id'* ]] && { wm=1; break; }
    sleep 0.1
  done
fi
"$cli" keybox --link "$work/keybox" </dev/null >"$work/keybox.log" 2>&1 &
helpers+=($!)
for _ in $(seq 100); do [ -e "$work/keybox" ] && break; sleep 0.1; done
[ -e "$work/keybox" ] || abort "the virtual keying box did not start: $(cat "$work/keybox.log")"

# --- the home: IARU on 145 MHz in SSB, own data filled in, the fields cleared after each QSO
mkdir -p "$home/SYSTEM"
printf '%s\r\n' "verseny=1" "sav=14" "mod=1" "hivojel=HA5XYZ" "qra=JN97MM" "kezelo=PETER" "sex=2" \
  "exch=001" "qth=BUDAPEST" "verseny_neve=" "auto_mentes=0" "valos_ido=1" "ido_eltolas=1" \
  "adatbazis=0" "torles=1" >"$home/SYSTEM/loxar_allapot.txt"

focus_window() {
  local how=windowfocus
  [ "$wm" -eq 1 ] && how=windowactivate
  timeout 5 xdotool "$how" --sync "$1" >/dev/null 2>&1
}
# The message boxes of the running loxar: its windows titled with the bare program name (a name
# pattern would match the main window's class too).
boxes() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "Loxar" ] && echo "$w"
  done
}
# Whether the home holds a QSO a start has to bring back (a line in a working save or a backup).
home_has_qso() { grep -qs '=' "$home"/SYSTEM/tmp_log_*.save "$home"/BACKUP/*; }
band_save_has() { grep -qs "=$1 " "$home"/SYSTEM/tmp_log_*.save; }
# Whether $1 is one of the other arguments.
listed() {
  local x
  for x in "${@:2}"; do [ "$x" = "$1" ] && return 0; done
  return 1
}

# Starts loxar on the home and waits for its window ($win).
start_loxar() {
  "$loxar" --home "$home" --keyer-port "$work/keybox" >>"$work/loxar.log" 2>&1 &
  pid=$!
  local _
  win=
  # Polled: a search fails at once when a window it looks at goes away meanwhile.
  for _ in $(seq $((start_timeout * 4))); do
    win=$(xdotool search --onlyvisible --pid "$pid" --name 'versenyn' 2>/dev/null | head -1)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || abort "loxar ended at its start"
    sleep 0.25
  done
  [ -n "$win" ] || abort "the window did not appear within $start_timeout s"
}

# Whether window $1 still exists (a closed message box is destroyed at once). Asked by its id:
# a search over all windows fails now and then when some other window goes away meanwhile.
window_exists() { xdotool getwindowname "$1" >/dev/null 2>&1; }

# Closes message box $1 with Return. Return again only after a long wait: one reaching the window
# after the box has closed would try to add an empty QSO (while a box is up the window takes no keys).
close_box() {
  local i
  for i in $(seq 0 $((start_timeout * 4))); do
    window_exists "$1" || return 0
    if ((i % 20 == 0)); then
      focus_window "$1"
      xdotool key Return
    fi
    sleep 0.25
  done
  abort "a message box did not close on Return"
}

# Answers the start's message about the restored log; fails when none comes.
dismiss_restore_message() {
  local box='' _
  for _ in $(seq $((start_timeout * 4))); do
    box=$(boxes | head -1)
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || abort "loxar ended during its start"
    sleep 0.25
  done
  [ -n "$box" ] || abort "no message about the restored log after a kill"
  close_box "$box"
}

ready_loxar() {
  local expect_box=0
  home_has_qso && expect_box=1
  start_loxar
  [ "$expect_box" -eq 1 ] && dismiss_restore_message
  focus_window "$win"
  # Typing starts as soon as the window has the focus: keys typed ahead of a busy window must
  # all land.
  sleep 0.3
}

kill_loxar() {
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null
  pid=
}

# Unique callsigns of equal length, so that none is a prefix of another: HA1AAA, HA1AAB, ...
n_calls=0
next_call() {
  local i=$n_calls l='abcdefghijklmnopqrstuvwxyz'
  call=ha1${l:i / 676 % 26:1}${l:i / 26 % 26:1}${l:i % 26:1}
  n_calls=$((n_calls + 1))
}

# Callsign, Space, received serial, Space, locator, Enter: a whole QSO as the operator types it
# (without the Enter when $2 is "no-enter"), without waiting between the fields: a field reached
# by Space must not lose the characters typed into it at once.
type_qso() {
  xdotool type --delay 20 "$1"
  xdotool key space
  xdotool type --delay 20 "$((RANDOM % 500 + 1))"
  xdotool key space
  xdotool type --delay 20 "$locator"
  [ "${2:-}" = no-enter ] || xdotool key Return
}

confirmed=()    # Enter pressed and the QSO seen in the working file
unconfirmed=()  # Enter pressed, then killed before it was seen: either there once or not at all
kinds=("mid-typing" "right after Enter" "at rest" "during the start")
declare -A kills=()

# One QSO typed and seen landing in the band's working file.
log_one() {
  next_call
  local up=${call^^} _
  [ -z "$(boxes)" ] || abort "a message box is open before $up is typed"
  type_qso "$call"
  for _ in $(seq $((land_timeout * 10))); do
    band_save_has "$up" && break
    kill -0 "$pid" 2>/dev/null || abort "loxar ended while $up was added"
    [ -n "$(boxes)" ] && abort "a message box came up while $up was added"
    sleep 0.1
  done
  band_save_has "$up" || abort "$up did not reach the working file within $land_timeout s"
  sleep 0.2  # the callsign field's selection after the add
  confirmed+=("$up")
  event "logged $up"
}

offset=$((RANDOM % 4))
for ((r = 0; r < rounds; r++)); do
  kind=$(((r + offset) % 4))
  if [ "$kind" -eq 3 ]; then
    # Killed before its message is answered, or while it reads and writes the log back.
    start_loxar
    pause_ms $((RANDOM % 1500))
  else
    ready_loxar
    for ((q = RANDOM % 4; q > 0; q--)); do log_one; done
    case $kind in
      0)
        next_call
        type_qso "$call" no-enter &
        typer=$!
        pause_ms $((RANDOM % 1200))
        ;;
      1)
        next_call
        type_qso "$call"
        unconfirmed+=("${call^^}")
        # Now and then at once: while the window may still be writing the QSO's files.
        delay=$((RANDOM % 200))
        ((delay < 50)) || pause_ms "$delay"
        ;;
      2) pause_ms $((RANDOM % 1500)) ;;
    esac
  fi
  kill_loxar
  [ "$kind" -eq 0 ] && wait "$typer"
  kills[${kinds[kind]}]=$((${kills[${kinds[kind]}]:-0} + 1))
  event "round $((r + 1)): killed ${kinds[kind]} after ${#confirmed[@]} confirmed QSOs"
done

# --- the end: one more start, a clean stop, and the log as loxar-cli reads it
ready_loxar
kill -TERM "$pid"
for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
kill -0 "$pid" 2>/dev/null && abort "loxar did not end on SIGTERM"
wait "$pid" || fail "loxar ended with status $? on SIGTERM"
pid=
log=$home/SYSTEM/tmp_log.dat
[ -f "$log" ] || abort "SIGTERM left no working log"
"$cli" export "$log" --home "$home" >"$work/log.adi" 2>"$work/export.err" ||
  abort "loxar-cli export failed: $(cat "$work/export.err")"
mapfile -t calls < <(grep -o '<CALL:[0-9]*>[^ <]*' "$work/log.adi" | sed 's/.*>//')
mapfile -t serials < <(grep -o '<STX:[0-9]*>[0-9]*' "$work/log.adi" | sed 's/.*>//')
lines=$(grep -c '=' "$log")
[ "${#calls[@]}" -eq "$lines" ] || fail "the working log holds $lines QSOs, its export ${#calls[@]}"
[ "${#serials[@]}" -eq "${#calls[@]}" ] || fail "${#calls[@]} QSOs but ${#serials[@]} sent serials"

for c in "${confirmed[@]}"; do
  listed "$c" "${calls[@]}" || fail "$c was logged and is lost"
done
repeated=$(printf '%s\n' "${calls[@]}" | sort | uniq -d)
[ -z "$repeated" ] || fail "in the log more than once: $(tr '\n' ' ' <<<"$repeated")"
for c in "${calls[@]}"; do
  listed "$c" "${confirmed[@]}" "${unconfirmed[@]}" || fail "$c is in the log but was never entered"
done
expected=$(seq 1 "${#serials[@]}" | tr '\n' ' ')
[ "$(printf '%s ' "${serials[@]}")" = "$expected" ] ||
  fail "the sent serials do not run 1..${#serials[@]}: $(printf '%s ' "${serials[@]}")"

kept=0
for c in "${unconfirmed[@]}"; do listed "$c" "${calls[@]}" && kept=$((kept + 1)); done
summary=
for k in "${kinds[@]}"; do summary+="${kills[$k]:-0} $k, "; done
echo "soak: $rounds kills (${summary%, }); ${#confirmed[@]} QSOs confirmed, ${#unconfirmed[@]} entered" \
  "just before a kill ($kept of them kept); ${#calls[@]} in the log"
if [ "$failures" -eq 0 ]; then echo "soak kill: passed"; else
  echo "--- events:"; cat "$work/events.txt"; exit 1
fi
