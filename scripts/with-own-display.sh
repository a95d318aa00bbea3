#!/bin/sh
# with-own-display.sh COMMAND [ARGS...] : runs COMMAND on an X server of its own, a
# fresh Xvfb, so that test programs running side by side never share windows, focus,
# the clipboard or the keys one of them types. Xvfb picks a free display number itself
# (-displayfd), so servers started at the same moment never take the same one.
# Without Xvfb the command runs on the caller's display.
set -eu
if ! command -v Xvfb >/dev/null 2>&1; then
  exec "$@"
fi
numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" 2>"$numfile.log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -f "$numfile" "$numfile.log"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# The server writes its display number once it accepts connections.
tries=0
until grep -q '^[0-9]' "$numfile" 2>/dev/null; do
  if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 300 ]; then
    echo "Xvfb did not start:" >&2
    cat "$numfile.log" >&2
    exit 1
  fi
  tries=$((tries + 1))
  sleep 0.05
done
DISPLAY=:$(head -n1 "$numfile")
export DISPLAY
unset WAYLAND_DISPLAY
status=0
"$@" || status=$?
exit "$status"
