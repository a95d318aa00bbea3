#!/usr/bin/env bash
# The program says nothing on the console while a user works: started without a
# description and with the example analysis, it goes through every zoom step on
# every page and opens each dialog (TALLYSCOPE_CONSOLE_TOUR=1), then quits. Any
# GTK or GLib warning or critical message on its standard error fails the check.
# Usage: check-quiet-console.sh PROGRAM EXAMPLE
set -euo pipefail
program=$1
example=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for args in "" "$example"; do
  log=$work/stderr.log
  # A settings folder of its own: the user's real one is never read or written.
  rm -rf "$work/config"
  mkdir -p "$work/config"
  if ! XDG_CONFIG_HOME=$work/config TALLYSCOPE_CONSOLE_TOUR=1 timeout 300 \
       "$program" $args >/dev/null 2>"$log"; then
    echo "FAIL: the tour ${args:+with $args }did not finish"
    cat "$log"
    status=1
    continue
  fi
  if ! grep -q "tour: dialogs at 300% shown" "$log"; then
    echo "FAIL: the tour ${args:+with $args }did not reach its end"
    cat "$log"
    status=1
    continue
  fi
  if grep -E "(Gtk|Gdk|GLib|GLib-GObject|Pango|GdkPixbuf)-(CRITICAL|WARNING)|Negative content" "$log"; then
    echo "FAIL: the console was not quiet ${args:+with $args}"
    status=1
  else
    echo "OK: quiet console ${args:+with $args }($(grep -c '^tour:' "$log") tour steps)"
  fi
done
exit "$status"
