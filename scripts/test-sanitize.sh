#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build-sanitize -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug \
  -DLOCHKARTOR_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
