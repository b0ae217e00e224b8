#!/usr/bin/env bash
# Kills veltrano-cli with SIGKILL at 200 random moments of runs on a generated route of a few
# MB and checks the route's files after every kill (the slow test HardKill in fault_slow_tests).
#
#   bash scripts/kill-test.sh             (the fixed seed)
#   VELTRANO_KILL_SEED=7 bash scripts/kill-test.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
generator=(-G Ninja)
if [[ -f build/CMakeCache.txt ]]; then
    generator=()
fi
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel 2 --target fault_slow_tests veltrano-cli
build/bin/fault_slow_tests --gtest_filter='HardKill.*'
