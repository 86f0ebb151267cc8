#!/bin/sh
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test.
set -e
cd "$(dirname "$0")"
./tools/deps.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQUELDAR_SANITIZE=ON -DQUELDAR_BENCH=ON >/dev/null
cmake --build build-test -j "$JOBS"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j "$JOBS" "$@"
