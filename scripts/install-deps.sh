#!/usr/bin/env bash
# Installs the Debian packages the build, the program, the tests and
# `make package` need, but only those that are missing. Safe to run again and
# again. tests/commands.sh checks that every program they call comes from
# one of these.
set -euo pipefail

packages=(
  g++ binutils cmake make pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-qpa-plugins qt6-translations-l10n qt6-image-formats-plugins libgl-dev libglx-dev
  fonts-liberation
  xvfb xauth xdotool
  desktop-file-utils libxml2-utils shared-mime-info
  dpkg-dev file appstream man-db
  poppler-utils
  e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo is available." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
