#!/usr/bin/env bash
# Makes the README's pictures from the real programs: the window with a
# sample tube loaded, shown by a private Xvfb, and the card that
# lochkartor-render draws for the same tube. Same names, same size and the
# Liberation fonts every time, so a new picture replaces the old one.
# Usage: scripts/screenshots.sh [BUILD-DIR]   (make screenshots)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
images=$source_dir/docs/images
tube=$source_dir/tests/data/tubes/pentode.tds
geometry=1240x1000+0+0

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done
for program in "$build/bin/lochkartor" "$build/bin/lochkartor-render" "$build/tools/lochkartor-grab"; do
  [ -x "$program" ] || { echo "$program is missing: build first (make screenshots does)" >&2; exit 1; }
done

scratch=$(mktemp -d)
server=
window=
cleanup() {
  for process in $window $server; do
    kill "$process" 2>/dev/null || true
    wait "$process" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

mkdir -p "$scratch/home" "$scratch/runtime" "$images"
chmod 700 "$scratch/runtime"
# A clean environment: no desktop settings, no user fonts, German texts.
run=(env -i PATH="$PATH" HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
  LANG=de_DE.UTF-8 FONTCONFIG_FILE="$source_dir/scripts/screenshots-fonts.conf" QT_SCALE_FACTOR=1)
cd "$scratch"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
server=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=:$(cat "$scratch/display")

# -geometry is Qt's own option: the window gets the same size every time.
"${run[@]}" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
  "$build/bin/lochkartor" -geometry "$geometry" "$tube" &
window=$!
id=$(DISPLAY="$display" timeout 30 xdotool search --sync --onlyvisible --name 'pentode\.tds') \
  || { echo "the window did not appear within 30 s" >&2; exit 1; }
id=${id##*$'\n'}
sleep 2 # the first paint of the form and the cards
"${run[@]}" DISPLAY="$display" QT_QPA_PLATFORM=xcb "$build/tools/lochkartor-grab" "$id" "$images/window.png"

"${run[@]}" QT_QPA_PLATFORM=offscreen "$build/bin/lochkartor-render" -o "$images/card.png" "$tube"
echo "Wrote $images/window.png and $images/card.png"
