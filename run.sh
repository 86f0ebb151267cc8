#!/bin/sh
# Installs what is missing, builds the program and starts it.
set -e
cd "$(dirname "$0")"
./tools/deps.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUELDAR_TESTS=OFF >/dev/null
cmake --build build -j "$JOBS"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
  exec build/bin/queldar "$@"
fi
# No desktop: the windows cannot be shown. Solve the example problem headless instead.
echo "QUELDAR is a desktop program and needs a display (DISPLAY or WAYLAND_DISPLAY is not set)."
EXAMPLE=examples/cantilever-sand.dat
[ -f "$EXAMPLE" ] || EXAMPLE=$(ls examples/*.dat 2>/dev/null | head -n 1)
if [ -z "$EXAMPLE" ]; then
  echo "No example problem found in examples/."
  exit 1
fi
REPORT="${TMPDIR:-/tmp}/queldar-example-report.txt"
build/bin/solve_file "$EXAMPLE" "$REPORT" || true
echo "Solved $EXAMPLE headless with build/bin/solve_file."
echo "Report: $REPORT"
