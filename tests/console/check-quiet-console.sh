#!/usr/bin/env bash
# The program says nothing on the console while a user works: started without a
# description, with the example analysis, and with the example and a zoom kept
# from the last run (the largest, the smallest and a middle step), it goes
# through every zoom step up and down with each page on show, opens each dialog
# (TALLYSCOPE_CONSOLE_TOUR=1; with a kept zoom the pages and steps alone,
# TALLYSCOPE_CONSOLE_TOUR=zoom), then quits. Any GTK or GLib warning or critical
# message on its standard error fails the check.
# Usage: check-quiet-console.sh PROGRAM EXAMPLE [RUN]
# RUN picks one of the runs: "none" (no description), "example", or the kept zoom
# ("200", "300", "75"); without it all five run one after another.
set -euo pipefail
program=$1
example=$2
only=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
# Each run: the zoom kept from the last run ("-" for none), then the program's arguments.
runs=("- " "- $example" "200 $example" "300 $example" "75 $example")
for run in "${runs[@]}"; do
  kept=${run%% *}
  args=${run#* }
  if [ -n "$only" ]; then
    name=$kept
    [ "$kept" = "-" ] && name=${args:+example}
    [ "$kept" = "-" ] && [ -z "$args" ] && name=none
    [ "$name" = "$only" ] || continue
  fi
  ran=1
  what="${args:+with $args }${kept/#-/}"
  [ "$kept" != "-" ] && what="$what% kept "
  log=$work/stderr.log
  # A settings folder of its own: the user's real one is never read or written.
  rm -rf "$work/config"
  mkdir -p "$work/config/tallyscope"
  tour=1
  if [ "$kept" != "-" ]; then
    tour=zoom
    printf '[View]\nZoom=%s\n' "$kept" >"$work/config/tallyscope/settings.conf"
  fi
  if ! XDG_CONFIG_HOME=$work/config TALLYSCOPE_CONSOLE_TOUR=$tour timeout 300 \
       "$program" $args >/dev/null 2>"$log"; then
    echo "FAIL: the tour ${what}did not finish"
    cat "$log"
    status=1
    continue
  fi
  if ! grep -q "tour: back to 100%" "$log" ||
     { [ "$kept" != "-" ] && ! grep -q "tour: started at $kept%" "$log"; }; then
    echo "FAIL: the tour ${what}did not reach its end"
    cat "$log"
    status=1
    continue
  fi
  if grep -E "(Gtk|Gdk|GLib|GLib-GObject|Pango|GdkPixbuf)-(CRITICAL|WARNING)|Negative content" "$log"; then
    echo "FAIL: the console was not quiet ${what}"
    status=1
  else
    echo "OK: quiet console ${what}($(grep -c '^tour:' "$log") tour steps)"
  fi
done
if [ -z "${ran:-}" ]; then
  echo "FAIL: no run is called \"$only\""
  status=1
fi
exit "$status"
