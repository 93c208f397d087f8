#!/usr/bin/env bash
# Runs the program under strace until its window has been painted and fails if it opened a
# file for writing (other than /dev/null) or a socket that is not local (the display server,
# the name service cache). Usage: no_outside_contact.sh PROGRAM
set -uo pipefail
strace -qq -o /dev/null true 2>/dev/null || { echo "strace cannot trace here: skipped"; exit 77; }
log=$(mktemp) err=$(mktemp)
trap 'rm -f "$log" "$err"' EXIT
# With no session bus to reach none is started for the program. Qt says on stderr when the
# window has been painted, which is when the program is up.
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent QT_LOGGING_RULES=qt.widgets.painting=true \
    strace -f -qq -e trace=%network,openat,open,creat -o "$log" "$1" 2>"$err" &
tracer=$!
for _ in $(seq 300); do
    grep -q 'Painting and flushing' "$err" && break
    kill -0 $tracer 2>/dev/null || break
    sleep 0.1
done
grep -q 'Painting and flushing' "$err" || { echo "the window was never painted" >&2; exit 1; }
pkill -TERM -P $tracer # the program; then strace, if anything it traced lingers
for _ in $(seq 50); do kill -0 $tracer 2>/dev/null || break; sleep 0.1; done
kill -KILL $tracer 2>/dev/null
wait $tracer
found=$(grep -E 'open(at)?\(|creat\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
    grep -v '"/dev/null"'; grep 'socket(' "$log" | grep -v 'socket(AF_UNIX')
echo "traced $(grep -c openat "$log") opens, $(grep -c 'socket(' "$log") sockets"
[ -z "$found" ] || { echo "outside contact:" >&2; echo "$found" >&2; exit 1; }
