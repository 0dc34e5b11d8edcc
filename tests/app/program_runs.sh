#!/usr/bin/env bash
# Runs the built program as a user would, with the display taken away or
# broken in each way, and checks its exit status and the line it prints.
#   program_runs.sh PATH/TO/velmora
set -u
program=$1
failures=0
passes=0

# "^$" stands for nothing printed at all.
matches() {
  local pattern=$1 file=$2
  if [ "$pattern" = "^$" ]; then [ ! -s "$file" ]; else grep -qE "$pattern" "$file"; fi
}

# name | environment changes | arguments | status | standard error (regex) | standard output (regex)
cases=(
  "help without a display|-u DISPLAY -u WAYLAND_DISPLAY|--help|0|^$|^Usage: velmora \[options\]"
  "version without a display|-u DISPLAY -u WAYLAND_DISPLAY|--version|0|^$|^Velmora 1\.00$"
  "unknown option without a display|-u DISPLAY -u WAYLAND_DISPLAY|--frobnicate|2|^velmora: unknown option 'frobnicate'; see 'velmora --help'$|^$"
  "no display|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM||1|^velmora: cannot connect to a display \(DISPLAY is not set\)|^$"
  "unreachable display|-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:77||1|^velmora: cannot connect to the display ':77'|^$"
  "platform that cannot load|QT_QPA_PLATFORM=no-such-platform||1|^velmora: the Qt platform 'no-such-platform' is not installed \(available: .*offscreen|^$"
  "wayland without a compositor|-u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland||1|^velmora: the Qt platform 'wayland' |^$"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name environment arguments status error output <<<"$row"
  scratch=$(mktemp -d)
  # shellcheck disable=SC2086 # the columns are word lists
  (cd "$scratch" && ulimit -c unlimited && env $environment XDG_RUNTIME_DIR="$scratch" \
    timeout 20 "$program" $arguments >out 2>err)
  actual=$?
  problems=()
  [ "$actual" -eq "$status" ] || problems+=("status $actual, wanted $status")
  [ "$(wc -l <"$scratch/err")" -le 1 ] || problems+=("more than one line on standard error")
  matches "$error" "$scratch/err" || problems+=("standard error does not match $error")
  matches "$output" "$scratch/out" || problems+=("standard output does not match $output")
  compgen -G "$scratch/core*" >/dev/null && problems+=("left a core dump")
  if [ ${#problems[@]} -eq 0 ]; then
    passes=$((passes + 1))
  else
    failures=$((failures + 1))
    echo "FAIL $name: ${problems[*]}"
    sed 's/^/  stderr: /' "$scratch/err"
  fi
  rm -rf "$scratch"
done
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
