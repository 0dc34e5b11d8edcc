# Sourced by the scripts that look for windows on an X display. xdotool
# ends at the first X error, and a window that goes away while it looks
# through them all is one: Wine's own helper windows come and go as a
# program starts and ends, and once in CI a search for the new window died
# on one of them. So a search that met one is made again.

# window_titled PATTERN [SECONDS]: the first shown window whose title
# matches PATTERN, once there is one within SECONDS (60); none, and a
# failed status, after that.
window_titled() {
  local id=""
  for _ in $(seq $((${2:-60} * 5))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] && echo "$id"
}

# shown_windows: every window shown on the display, one id a line, in
# order; a list cut short by an X error would make a window shown before
# look newly opened.
shown_windows() {
  local ids
  for _ in $(seq 20); do
    if ids=$(xdotool search --onlyvisible --name '' 2>/dev/null); then
      sort <<<"$ids"
      return 0
    fi
    sleep 0.1
  done
  echo "xdotool could not list the shown windows" >&2
  return 1
}
