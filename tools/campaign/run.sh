#!/bin/sh
# Runs the campaigns over generated problems with a Release build:
#   [QUELDAR_CAMPAIGN_BUILD=DIR] tools/campaign/run.sh [PROBLEMS] [SHARDS]
# solve_file over PROBLEMS generated problems (default 10000) in SHARDS parallel shards
# (default 3), then the force-scale property over 200 generated problems with Coulomb
# sides and 200 with any sides. Prints the counts of each.
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
problems=${1:-10000}
shards=${2:-3}
build=${QUELDAR_CAMPAIGN_BUILD:-"$here/build"}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUELDAR_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j"$shards" --target solve_file test_cli >/dev/null
per=$(( (problems + shards - 1) / shards ))
i=0
while [ $i -lt "$shards" ]; do
  first=$(( 1 + i * per ))
  QUELDAR_CAMPAIGN_SEED=$first QUELDAR_CAMPAIGN_COUNT=$per "$build/bin/test_cli" \
    --gtest_also_run_disabled_tests --gtest_filter='Campaign.*' >"$build/campaign-$i.log" 2>&1 &
  i=$((i + 1))
done
wait
grep -h "campaign seeds\|Failure\|seed .*exit 0" "$build"/campaign-*.log || true
for wedge in 0 1; do
  QUELDAR_SCALE_COUNT=200 QUELDAR_SCALE_WEDGE=$wedge "$build/bin/test_cli" \
    --gtest_also_run_disabled_tests --gtest_filter='ForceScale.DISABLED_Campaign' 2>&1 |
    grep "force scale campaign\|generated problem, seed" | sort | uniq -c || true
done
