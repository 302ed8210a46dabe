#!/usr/bin/env bash
# Starts the real loxar executable: --help and --version without any display, then as a new user
# would (fresh home, no display but offscreen): it must stay up and make its folders, with and
# without the audio plugins; a crash state left on disk must come back as the log; SIGTERM must
# save that log and end the program.
set -uo pipefail
loxar=$1
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Starts loxar on $1 (extra environment in the rest), checks it is up after 4 s, then sends
# SIGTERM and checks it ends with status 0 within 10 s.
run_and_stop() {
  local home=$1; shift
  env "$@" "$loxar" --home "$home" >"$work/out.txt" 2>&1 &
  local pid=$!
  sleep 4
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; fail "loxar ended at start (status $?) with $*"; tail -5 "$work/out.txt"; return
  fi
  kill -TERM "$pid"
  for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"; fail "loxar did not end on SIGTERM"; return
  fi
  wait "$pid" || fail "loxar ended with status $? on SIGTERM"
}

check_folders() {
  for d in ADATOK LOG REPORT SYSTEM SYSTEM/CW SYSTEM/SSB SZABALYOK TEMP IMPORT_EXPORT BACKUP; do
    [ -d "$1/$d" ] || fail "folder $d missing in a fresh home"
  done
}

# 0. --help and --version answer in a shell without any display and open no window.
help=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$loxar" --help 2>&1) ||
  fail "loxar --help ended with status $?"
for opt in --home --keyer-port --help --version; do
  grep -q -- "$opt" <<<"$help" || fail "loxar --help does not list $opt"
done
env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$loxar" --version | grep -Eq '^loxar [0-9]+\.[0-9]+' ||
  fail "loxar --version printed no version"

# 1. A fresh home.
run_and_stop "$work/fresh"
check_folders "$work/fresh"

# 2. The same with GStreamer pointed at an empty plugin folder.
mkdir -p "$work/no-plugins"
run_and_stop "$work/hidden" GST_PLUGIN_SYSTEM_PATH_1_0="$work/no-plugins" GST_PLUGIN_PATH_1_0="$work/no-plugins"
check_folders "$work/hidden"

# 3. A crash state: two QSOs in the band's working save, no working log from STOP.
home=$work/crashed
mkdir -p "$home/SYSTEM"
printf '%s\r\n' "Log records:" "HA1ABC,JN97AA,PETER,2,14,01,,1,BUDAPEST,1,,0" \
  "2024-02-17/12:00:05=DL1ABC              =59 /0001/JO40AA/.=59 /0001=SSB=F=00700/00700=00001=              =145 MHz=" \
  "2024-02-17/12:03:40=OK1XYZ              =59 /0002/JN79AA/.=59 /0002=SSB=F=00300/00300=00002=              =145 MHz=" \
  "End" >"$home/SYSTEM/tmp_log_145 MHz.save"
run_and_stop "$home"
if [ -f "$home/SYSTEM/tmp_log.dat" ]; then
  grep -q "DL1ABC" "$home/SYSTEM/tmp_log.dat" && grep -q "OK1XYZ" "$home/SYSTEM/tmp_log.dat" ||
    fail "the saved working log lacks the restored QSOs"
else
  fail "SIGTERM left no working log"
fi

if [ "$failures" -eq 0 ]; then echo "start smoke: 4 passed, 0 failed"; else exit 1; fi
