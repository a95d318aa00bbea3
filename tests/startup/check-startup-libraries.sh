#!/usr/bin/env bash
# The program, started on the example analysis, paints its window without
# loading the SVG renderer (the radio buttons' dot comes from the theme's bitmap)
# or an OpenGL driver (GDK is told not to set OpenGL up).
# Usage: check-startup-libraries.sh PROGRAM EXAMPLE
set -euo pipefail
program=$1
example=$2
loader=$(ls /usr/lib/*/gdk-pixbuf-2.0/*/loaders/libpixbufloader-svg.so 2>/dev/null | head -n1 || true)
if [ -z "$loader" ]; then
  echo "SKIP: no SVG loader for gdk-pixbuf is installed, so there is nothing to avoid"
  exit 77
fi
log=$(mktemp)
trap 'rm -f "$log" "$log.painted"' EXIT
# The first-paint probe writes to fd 3 and ends the program once the window is
# on the screen; the dynamic loader logs every library it opens to stderr. A
# GDK_GL of the caller's would override the program's own choice: it is left out.
if ! env -u GDK_GL TALLYSCOPE_FIRST_PAINT_FD=3 LD_DEBUG=files timeout 60 "$program" "$example" \
     3>"$log.painted" 2>"$log" >/dev/null; then
  echo "FAIL: the program did not reach its first paint"
  exit 1
fi
if ! grep -q painted "$log.painted"; then
  echo "FAIL: no first paint was reported"
  exit 1
fi
if ! grep -q "file=libgtk-3" "$log"; then
  echo "FAIL: the loader log shows no libraries at all; LD_DEBUG did not take effect"
  exit 1
fi
if grep -E "file=(librsvg|.*pixbufloader-svg)" "$log"; then
  echo "FAIL: the SVG renderer was loaded before the first paint"
  exit 1
fi
if grep -E "file=(libGLX|libEGL|.*_dri\.so)" "$log"; then
  echo "FAIL: an OpenGL driver was loaded before the first paint"
  exit 1
fi
echo "OK: first paint without the SVG renderer or an OpenGL driver"
