#!/usr/bin/env bash
# Installs the build tree into a temporary DESTDIR and checks what lands there:
# every file, the PNG sizes, the desktop entry, the AppStream metainfo, the MIME
# package, the man pages, and that a MIME database built from the installed tree
# gives the example analysis the program's MIME type.
# Arguments: the build directory, the desktop id, the example analysis's path.
# (grep reads here-strings, not pipes: under pipefail a grep -q that stops early
# would fail the writer with SIGPIPE.)
set -euo pipefail
build=$1 id=$2 example=$(basename "$3")
here=$(dirname "$0")
. "$here/expected-files.sh"
mime_type=application/x-tallyscope-analysis

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage/dest" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/dest/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 is not installed (scripts/install-deps.sh)"; exit 1; }; }
for tool in desktop-file-validate update-desktop-database appstreamcli xmllint \
            update-mime-database gio; do need "$tool"; done

# Every file, non-empty; the programs executable.
while read -r f; do
  [ -s "$root/$f" ] || fail "missing or empty: $f"
done < <(expected_files "$id" "$example")
for f in bin/tallyscope bin/tallyscope-report; do
  [ -x "$root/$f" ] || fail "not executable: $f"
done
grep -q '^Usage: tallyscope-report' <<<"$("$root/bin/tallyscope-report" --help)" ||
  fail "the installed tallyscope-report does not run"

# Each PNG is as large as its folder says (width and height from the IHDR chunk).
for size in 16 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w x $h" = "$size x $size" ] || fail "$png is $w x $h, not $size x $size"
done
xmllint --noout "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is not well-formed"

# The desktop entry.
desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx 'Exec=tallyscope %f' "$desktop" || fail "the desktop entry does not start tallyscope %f"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "MimeType=$mime_type;" "$desktop" || fail "the desktop entry lacks the MIME type"
grep -q '^Categories=Education;.*Math;' "$desktop" || fail "the desktop entry lacks Education and Math"

# The AppStream metainfo: valid, with a description and a screenshot.
metainfo=$root/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
[ "$(xmllint --xpath 'string(/component/id)' "$metainfo")" = "$id" ] || fail "metainfo id is not $id"
[ "$(xmllint --xpath 'count(/component/description/p)' "$metainfo")" -ge 1 ] ||
  fail "metainfo has no description"
grep -q '^https://' <<<"$(xmllint --xpath 'string(/component/screenshots/screenshot/image)' "$metainfo")" ||
  fail "metainfo has no screenshot"

# The MIME package: well-formed, with the extension and the root element.
package=$root/share/mime/packages/$id.xml
xmllint --noout "$package" || fail "xmllint rejects $package"
ns='*[local-name()="mime-type" and @type="'$mime_type'"]'
[ "$(xmllint --xpath "string(//$ns/*[local-name()='glob']/@pattern)" "$package")" = '*.tally' ] ||
  fail "the MIME package has no *.tally pattern"
[ "$(xmllint --xpath "string(//$ns/*[local-name()='root-XML']/@localName)" "$package")" = analysis ] ||
  fail "the MIME package does not match the root element"

# The man pages are compressed roff with a title line.
for page in tallyscope tallyscope-report; do
  grep -q "^\.TH ${page^^} 1" <<<"$(gzip -cd "$root/share/man/man1/$page.1.gz")" ||
    fail "$page.1.gz is not the man page of $page"
done

# A MIME database made from a copy of the installed tree (with the system's base
# types beside it) gives the example its type by its extension; GLib's lookup
# reads no root elements, so the root-element rule is checked in the database's
# XML namespace table. With the desktop database made as the package's triggers
# make it, the desktop entry is what opens the example from a file manager.
copy=$stage/copy
mkdir -p "$copy/mime/packages" "$copy/applications"
cp "$package" "$copy/mime/packages/"
cp /usr/share/mime/packages/freedesktop.org.xml "$copy/mime/packages/"
cp "$desktop" "$copy/applications/"
export XDG_DATA_HOME=$stage/no-home XDG_DATA_DIRS=$copy
export XDG_CONFIG_HOME=$stage/no-home XDG_CONFIG_DIRS=$stage/no-home PATH=$root/bin:$PATH
# GIO reads the databases alone: no display, session bus or virtual file system
# of the desktop the test happens to run in.
export GIO_USE_VFS=local
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
update-mime-database "$copy/mime" || fail "update-mime-database fails on the installed package"
update-desktop-database "$copy/applications" || fail "update-desktop-database fails on the desktop entry"
file=$root/share/doc/tallyscope/examples/$example
type=$(gio info -a standard::content-type "$file" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = "$mime_type" ] || fail "$example is taken as '$type', not $mime_type"
grep -qx " analysis $mime_type" "$copy/mime/XMLnamespaces" ||
  fail "the MIME database does not know the root element <analysis>"
[ "$(xmllint --xpath 'local-name(/*)' "$file")" = analysis ] ||
  fail "the example's root element is not <analysis>"
apps=$(gio mime "$mime_type" 2>&1) || true
grep -qx "Default application for .*: $id.desktop" <<<"$apps" ||
  fail "$id.desktop is not the default application for $mime_type: $apps"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "The installed tree holds every file, and every check passed."
