#!/usr/bin/env bash
# The card, its output, the tube data files, the card reader and the picture
# reader sit below the window. The build keeps them there: they are compiled
# into lochkartor_model, which sees neither the window's headers nor Qt's
# widgets. This test checks the same from outside:
# - none of their files includes a header of src/mainwindow or of Qt's
#   Widgets and PrintSupport modules;
# - the model passes no Widgets or PrintSupport on to what links it;
# - lochkartor-render, which links the model only, loads neither library,
#   directly or through another;
# - nor does any test program that the build links against the model only.
set -euo pipefail
source_dir=${1:?source directory}
render=${2:?lochkartor-render}
model_links=${3:?file with the link interface of the model library}
model_tests=${4:?file listing the test programs that link the model only}
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

# Every library a program loads, those its libraries pull in included.
loads_widgets() {
  local program=$1 loaded
  loaded=$(ldd "$program") || {
    fail "ldd cannot read $program"
    return
  }
  grep -q 'Qt6Gui' <<<"$loaded" || fail "$program does not load Qt6Gui: is this the program?"
  if grep -E 'Qt6(Widgets|PrintSupport)' <<<"$loaded"; then
    fail "$(basename "$program") loads widget libraries (above)"
  fi
}

loads_widgets "$render"
# Nor does it open one while it runs (a plug-in could).
opened=$(QT_QPA_PLATFORM=offscreen LD_DEBUG=files "$render" --json \
  "$source_dir/tests/data/tubes/pentode.tds" 2>&1 >/dev/null) || fail "lochkartor-render failed"
if grep -E 'file=[^ ]*Qt6(Widgets|PrintSupport)' <<<"$opened"; then
  fail "lochkartor-render opens widget libraries while it runs (above)"
fi
count=0
while IFS= read -r program; do
  [ -n "$program" ] || continue
  if [ ! -x "$program" ]; then
    fail "test program $program is not built"
    continue
  fi
  loads_widgets "$program"
  count=$((count + 1))
done <"$model_tests"
[ "$count" -gt 0 ] || fail "no test program links the model only ($model_tests)"
[ "$status" -ne 0 ] || echo "lochkartor-render and $count test programs load no widget library"
exit "$status"
