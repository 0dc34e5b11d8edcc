#!/usr/bin/env bash
# Starts an installed velmora on the offscreen platform and passes when it is
# still running two seconds later, as a window waiting for its user is.
#   check-installed-program.sh PATH/TO/velmora
set -u
program=$1
log=$(mktemp)
QT_QPA_PLATFORM=offscreen "$program" >"$log" 2>&1 &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
  rm -f "$log"
  echo "$program started and kept running"
  exit 0
fi
wait "$pid"
status=$?
echo "$program ended by itself with status $status:" >&2
cat "$log" >&2
rm -f "$log"
exit 1
