# Sourced by the install and package checks: the files an installation holds,
# relative to the prefix. Arguments: the desktop id and the example analysis's
# file name.
expected_files() {
  local id=$1 example=$2 size
  echo bin/tallyscope
  echo bin/tallyscope-report
  echo "share/applications/$id.desktop"
  echo "share/mime/packages/$id.xml"
  echo "share/metainfo/$id.metainfo.xml"
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  for size in 16 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  echo share/man/man1/tallyscope.1.gz
  echo share/man/man1/tallyscope-report.1.gz
  echo "share/doc/tallyscope/examples/$example"
  # The data files the example names.
  echo share/doc/tallyscope/examples/class-7a.csv
  echo share/doc/tallyscope/examples/class-7b.csv
  # The same analysis in one file, its tables inline.
  echo share/doc/tallyscope/examples/two-classes-inline.tally
}
