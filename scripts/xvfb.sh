# Sourced: start_xvfb starts a private Xvfb on a free display, exports
# DISPLAY, and stops the server when the calling shell exits.
start_xvfb() {
  local fifo display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  XVFB_PID=$!
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  [ -s "$display_file" ] || { echo "xvfb: the X server did not start" >&2; return 1; }
  export DISPLAY=":$(tr -d '\n' <"$display_file")"
  rm -f "$display_file"
}
