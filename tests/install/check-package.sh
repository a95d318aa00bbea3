#!/usr/bin/env bash
# Builds the Debian package with cpack and checks it with dpkg-deb: every
# installed file is in it, and its Depends line names the package of every
# library the programs link (as dpkg-shlibdeps found them), wx and GTK among them.
# Exits 77 (skipped) where dpkg-deb is missing.
# Arguments: the build directory, the desktop id, the example analysis's path.
set -euo pipefail
build=$(cd "$1" && pwd) id=$2 example=$(basename "$3")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/expected-files.sh"
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed: skipped"; exit 77; }
command -v dpkg-shlibdeps >/dev/null || { echo "FAIL: dpkg-shlibdeps (dpkg-dev) is not installed"; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
while read -r f; do
  grep -qx "\./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"
done < <(expected_files "$id" "$example")

info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
echo "Depends: $depends"
[ -n "$depends" ] || fail "the package has no Depends line"
dep_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
has() { grep -qx "$1" <<<"$dep_names"; }
for lib in 'libwxgtk3\.2-[0-9a-z]*' 'libwxbase3\.2-[0-9a-z]*' 'libgtk-3-0[a-z0-9]*'; do
  grep -qx "$lib" <<<"$dep_names" || fail "Depends names no package matching $lib"
done
# Each library the packaged programs link comes from a package Depends names.
unpacked=$out/root
dpkg-deb -x "$deb" "$unpacked"
for program in "$unpacked"/usr/bin/*; do
  for lib in $(objdump -p "$program" | awk '/NEEDED/ {print $2}'); do
    # The first x86-64 entry of the loader's cache (awk reads on, so no pipe breaks).
    path=$(ldconfig -p | awk -v l="$lib" '$1 == l && !found {print $NF; found = 1}')
    pkg=$(dpkg -S "$(readlink -f "$path")" "$path" 2>/dev/null | awk -F: 'NR == 1 {print $1}') || true
    [ -n "$pkg" ] || { fail "no package holds $lib"; continue; }
    has "$pkg" || fail "$(basename "$program") links $lib from $pkg, which Depends does not name"
  done
done
# Expat is linked once the program reads analysis descriptions with it.
if grep -q 'NEEDED *libexpat' <<<"$(objdump -p "$unpacked"/usr/bin/*)"; then
  has libexpat1 || fail "Depends does not name libexpat1"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "$(basename "$deb") holds every file and depends on the libraries it links."
