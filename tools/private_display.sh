# Sourced by the scripts that drive a real window: starts Xvfb on a display
# number of its own choosing, waits until it answers, exports DISPLAY and
# sets xvfb to its process, which the caller ends.
#   start_private_display WIDTHxHEIGHT SCRATCH_DIR
start_private_display() {
  local size=$1 scratch=$2
  exec 3>"$scratch/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  # A loaded machine can take seconds; a display that never answers must
  # stop the caller here, not leave it talking to no display at all.
  for _ in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  if [ ! -s "$scratch/display" ]; then
    echo "Xvfb gave no display within 30 seconds" >&2
    return 1
  fi
  DISPLAY=":$(head -n1 "$scratch/display")"
  export DISPLAY
}
