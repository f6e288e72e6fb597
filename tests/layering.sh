#!/usr/bin/env bash
# The card, its output, the tube data files, the card reader and the picture
# reader sit below the window. The build keeps them there: they are compiled
# into lochkartor_model, which sees neither the window's headers nor Qt's
# widgets. This test checks the same from outside:
# - none of their files includes a header of src/mainwindow or of Qt's
#   Widgets and PrintSupport modules;
# - the model passes no Widgets or PrintSupport on to what links it;
# - lochkartor-render, which links the model only, loads neither library.
set -euo pipefail
source_dir=${1:?source directory}
render=${2:?lochkartor-render}
model_links=${3:?file with the link interface of the model library}
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

cd "$source_dir/src"
window_headers=$(find mainwindow -name '*.h' -printf '%f\n'; echo ui_lochkartor.h)
for header in $window_headers; do
  if grep -rn --include='*.cpp' --include='*.h' "#include [\"<]$header[\">]" card output data reading scan; then
    fail "lower folders include the window's header $header (above)"
  fi
done
if grep -rnE --include='*.cpp' --include='*.h' \
  '#include <(QtWidgets|QtPrintSupport)/|#include <Q(Widget|Application|Graphics[A-Za-z]*|Printer|PrintDialog|Dialog|MessageBox)>' \
  card output data reading scan; then
  fail "lower folders include Qt's widget or printing headers (above)"
fi

if [ ! -s "$model_links" ]; then
  fail "no link interface of the model in $model_links"
elif grep -E 'Widgets|PrintSupport|lochkartor_window' "$model_links"; then
  fail "the model library passes widgets on: $(cat "$model_links")"
fi

needed=$(readelf -d "$render" | grep NEEDED) || fail "readelf cannot read $render"
if grep -E 'Qt6(Widgets|PrintSupport)' <<<"$needed"; then
  fail "lochkartor-render loads widget libraries (above)"
fi
grep -q 'Qt6Gui' <<<"$needed" || fail "lochkartor-render does not load Qt6Gui: is this the program?"
exit "$status"
