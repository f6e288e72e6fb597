#!/usr/bin/env bash
# Installs the built tree into a scratch prefix and checks that a desktop
# finds everything, and that the installed programs find their translation
# wherever they are started from.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in bin/lochkartor bin/lochkartor-render \
            share/lochkartor/translations/lochkartor_en.qm \
            share/applications/lochkartor.desktop \
            share/icons/hicolor/scalable/apps/lochkartor.svg \
            share/mime/packages/lochkartor.xml; do
  [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop="$prefix/share/applications/lochkartor.desktop"
grep -q '^Exec=lochkartor %f$' "$desktop"
grep -q '^Icon=lochkartor$' "$desktop"
grep -q '^MimeType=application/x-lochkartor-tube-data;$' "$desktop"
desktop-file-validate "$desktop"

# The MIME package is well-formed and gives *.tds the type the desktop
# entry claims; update-mime-database refuses a package it cannot use.
mime="$prefix/share/mime"
xmllint --noout "$mime/packages/lochkartor.xml"
update-mime-database "$mime" 2>/dev/null
grep -qx 'application/x-lochkartor-tube-data' "$mime/types" ||
  { echo "MIME type not in the database"; exit 1; }
grep -q ':application/x-lochkartor-tube-data:\*\.tds$' "$mime/globs2" ||
  { echo "*.tds not mapped to the MIME type"; exit 1; }

cd "$elsewhere"
export XDG_RUNTIME_DIR="$elsewhere"
english=$(LANG=en_GB.UTF-8 LC_ALL= LANGUAGE= "$prefix/bin/lochkartor-render" --help)
german=$(LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= "$prefix/bin/lochkartor-render" --help)
[[ $english == Usage:* ]] || { echo "installed program not in English: $english"; exit 1; }
[[ $german == Aufruf:* ]] || { echo "installed program not in German: $german"; exit 1; }
echo "install layout ok"
