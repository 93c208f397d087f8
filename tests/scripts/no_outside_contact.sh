#!/usr/bin/env bash
# Runs the program for a few seconds under strace and fails if it opens any file for
# writing (other than /dev/null) or any socket other than a local one (the display
# server, the name service cache). Usage: no_outside_contact.sh PATH/TO/stylomat
set -euo pipefail
program=$1
if ! strace -qq -o /dev/null true 2>/dev/null; then
    echo "strace cannot trace here (ptrace not permitted): skipped"
    exit 77
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT

strace -f -qq -e trace=%network,openat,open,creat -o "$log" "$program" &
tracer=$!
sleep 3
pkill -TERM -P "$tracer" || true
wait "$tracer" || true

if ! grep -q 'openat' "$log"; then
    echo "strace recorded nothing: the program did not run" >&2
    exit 1
fi
writes=$(grep -E 'open(at)?\(|creat\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' \
    | grep -v '"/dev/null"' || true)
sockets=$(grep -E 'socket\(' "$log" | grep -v 'socket(AF_UNIX' || true)
echo "traced $(grep -c 'openat' "$log") opens, $(grep -c 'socket(' "$log") sockets (all AF_UNIX expected)"
status=0
if [ -n "$writes" ]; then
    echo "opened for writing:" >&2
    echo "$writes" >&2
    status=1
fi
if [ -n "$sockets" ]; then
    echo "non-local sockets:" >&2
    echo "$sockets" >&2
    status=1
fi
exit $status
