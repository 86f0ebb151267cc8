#!/bin/sh
# The round trip of input files over many mutated files: each accepted file written back
# by solve_file --write-input must solve to the same report. The test suite runs a few;
# this runs COUNT (default 1000) on a Release build in build/.
#   tools/round_trip_campaign.sh [COUNT] [SEED]
set -e
cd "$(dirname "$0")/.."
COUNT=${1:-1000}
SEED=${2:-19}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUELDAR_BENCH=OFF -DQUELDAR_GUI=OFF \
  ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build build -j"${JOBS:-4}" --target test_cli solve_file >/dev/null
QUELDAR_ROUND_TRIP_COUNT=$COUNT QUELDAR_ROUND_TRIP_SEED=$SEED \
  build/bin/test_cli --gtest_filter='RoundTrip.*'
