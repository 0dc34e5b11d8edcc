# Sourced by the scripts that look for windows on an X display. xdotool
# ends at the first X error, and a window that goes away while it looks
# through them all is one: Wine's own helper windows come and go as a
# program starts and ends, and once in CI a search for the new window died
# on one of them. So a search that met one is made again.

# window_titled PATTERN [SECONDS]: the first shown window whose title
# matches PATTERN, once there is one within SECONDS (60); none, and a
# failed status, after that. Then one more search says what xdotool
# says, should it fail for another reason (no display, no xdotool).
window_titled() {
  local id="" deadline=$((SECONDS + ${2:-60}))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && break
    sleep 0.2
  done
  if [ -z "$id" ]; then
    timeout 5 xdotool search --onlyvisible --name "$1" >/dev/null || true
    return 1
  fi
  echo "$id"
}

# shown_windows: every window shown on the display, one id a line, sorted
# as comm needs them. An X error leaves no list at all, and an empty one
# would make every window shown before look newly opened.
shown_windows() {
  local ids
  for _ in $(seq 20); do
    if ids=$(timeout 5 xdotool search --onlyvisible --name '' 2>/dev/null); then
      sort <<<"$ids"
      return 0
    fi
    sleep 0.1
  done
  echo "xdotool could not list the shown windows" >&2
  return 1
}
