# Sourced by the scripts that drive a real window: starts Xvfb on a display
# number of its own choosing, waits until it answers, exports DISPLAY and
# sets xvfb to its process, which the caller ends.
#   start_private_display WIDTHxHEIGHT SCRATCH_DIR
start_private_display() {
  local size=$1 scratch=$2
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  DISPLAY=":$(head -n1 "$scratch/display")"
  export DISPLAY
}
