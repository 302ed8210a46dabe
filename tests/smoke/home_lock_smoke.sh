#!/usr/bin/env bash
# The real loxar started twice on one home: the second start and a loxar-cli command that writes
# into the home are refused at once, name the running process and write nothing; after kill -9 of
# the first, the next start takes the home over, and it gives the home up when it ends.
set -uo pipefail
loxar=$1
cli=$2
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
started=()
trap 'for p in "${started[@]}"; do kill -KILL "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
home=$work/home
lock=$home/loxar.lock

# Starts loxar on the home in the background ($pid) and waits until it is up with the home locked.
start_window() {
  "$loxar" --home "$home" >"$work/window.txt" 2>&1 &
  pid=$!
  started+=("$pid")
  for _ in $(seq 40); do
    [ -d "$home/BACKUP" ] && [ "$(head -n1 "$lock" 2>/dev/null)" = "$pid" ] && break
    sleep 0.25
  done
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "loxar ended at start: $(tail -3 "$work/window.txt")"
}

# Every file of the home with its size and time.
home_state() { (cd "$home" && find . -printf '%p %s %T@\n' | sort); }

# Runs a second program on the locked home ($@); it must end with status 1 at once, naming the
# running process, and leave the home as it was. The first one is stopped meanwhile, so that
# its own clock-driven saves do not change the home.
expect_refused() {
  kill -STOP "$pid"
  local before after status
  before=$(home_state)
  timeout 20 "$@" >"$work/second.txt" 2>&1
  status=$?
  after=$(home_state)
  kill -CONT "$pid"
  [ "$status" -eq 1 ] || fail "$* on a home in use ended with status $status (124: it did not end)"
  grep -q "A Loxar már fut ezzel a mappával: $home (folyamat: $pid, loxar)" "$work/second.txt" ||
    fail "$* did not say which process uses the home: $(cat "$work/second.txt")"
  [ "$before" = "$after" ] || fail "$* wrote into a home in use: $(diff <(echo "$before") <(echo "$after"))"
}

# 1. A second window and a writing command on a home a window runs with.
start_window
first=$pid
expect_refused "$loxar" --home "$home"
expect_refused "$cli" init --home "$home"

# 2. The first killed: its lock is left behind, and the next start takes the home over.
kill -KILL "$first"
wait "$first" 2>/dev/null
[ -f "$lock" ] || fail "no lock file left after kill -9 (the check below proves nothing)"
start_window
[ "$(head -n1 "$lock" 2>/dev/null)" = "$pid" ] || fail "the start after kill -9 did not take the home over"

# 3. Ended by SIGTERM, it gives the home up.
kill -TERM "$pid"
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
wait "$pid" || fail "loxar ended with status $? on SIGTERM"
[ -e "$lock" ] && fail "the lock file is left after SIGTERM"
"$cli" init --home "$home" >/dev/null || fail "loxar-cli init refused on a home no one uses"

if [ "$failures" -eq 0 ]; then echo "home lock smoke: passed"; else exit 1; fi
