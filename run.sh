#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -G "Unix Makefiles" >/dev/null
cmake --build build -j"$(nproc)" --target lochkartor
exec ./build/bin/lochkartor "$@"
