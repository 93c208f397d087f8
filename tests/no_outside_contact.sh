#!/usr/bin/env bash
# Runs the program for three seconds under strace and fails if it opens a file for
# writing (other than /dev/null) or a socket that is not local (the display server, the
# name service cache). Usage: no_outside_contact.sh PROGRAM
set -uo pipefail
strace -qq -o /dev/null true 2>/dev/null || { echo "strace cannot trace here: skipped"; exit 77; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# With no session bus to reach none is started for the program, and strace itself is
# killed after the run, so nothing it traces can keep this script waiting.
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
    strace -f -qq -e trace=%network,openat,open,creat -o "$log" "$1" &
sleep 3 && pkill -TERM -P $! # the program; then strace, if anything it traced lingers
sleep 1 && kill -KILL $! 2>/dev/null
wait $!
grep -q openat "$log" || { echo "strace recorded nothing: the program did not run" >&2; exit 1; }
found=$(grep -E 'open(at)?\(|creat\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
    grep -v '"/dev/null"'; grep 'socket(' "$log" | grep -v 'socket(AF_UNIX')
echo "traced $(grep -c openat "$log") opens, $(grep -c 'socket(' "$log") sockets"
[ -z "$found" ] || { echo "outside contact:" >&2; echo "$found" >&2; exit 1; }
