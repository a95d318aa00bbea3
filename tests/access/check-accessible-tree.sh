#!/bin/sh
# check-accessible-tree.sh PROGRAM ANALYSIS DUMP_FILE : runs accessible_tree.py on
# a D-Bus session of its own, where the accessibility bus (at-spi2-core) starts on
# demand, with the toolkit's accessibility bridge switched on for this test only.
# Needs an X display (scripts/with-own-display.sh gives it one).
set -eu
here=$(dirname "$0")
for tool in dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
  echo "python3-gi with gir1.2-atspi-2.0 is missing (scripts/install-deps.sh)" >&2
  exit 1
fi
unset NO_AT_BRIDGE GTK_A11Y DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
exec dbus-run-session -- /usr/bin/python3 "$here/accessible_tree.py" "$@"
