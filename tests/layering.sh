#!/usr/bin/env bash
# The card, its output, the tube data files, the card reader and the picture
# reader sit below the window: none of their files may include a header of
# src/mainwindow.
set -euo pipefail
source_dir=${1:?source directory}
cd "$source_dir/src"
window_headers=$(find mainwindow -name '*.h' -printf '%f\n'; echo ui_lochkartor.h)
status=0
for header in $window_headers; do
  if grep -rn --include='*.cpp' --include='*.h' "#include [\"<]$header[\">]" card output data reading scan; then
    status=1
  fi
done
if [ "$status" -ne 0 ]; then
  echo "lower folders include the window's headers (above)" >&2
fi
exit "$status"
