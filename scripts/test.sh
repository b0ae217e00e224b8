#!/usr/bin/env bash
# Builds every target into build/ and runs every test that is not labelled slow, then makes the
# Debian package there and checks it (scripts/package-test.sh); then builds
# the layers without Qt with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs the same tests there; then runs each fuzz target for a few seconds (build-fuzz/);
# last, the Windows programs (scripts/windows-test.sh: cross-built, tested under Wine, zipped).
# VELTRANO_FUZZ_SECONDS sets the seconds per fuzz target (default 5).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

# Configures a build folder; an existing one keeps the generator it was made with.
configure() {
    local folder=$1
    shift
    local generator=(-G Ninja)
    if [[ -f $folder/CMakeCache.txt ]]; then
        generator=()
    fi
    cmake -S . -B "$folder" "${generator[@]}" "$@"
}

configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2
ctest --test-dir build --output-on-failure --no-tests=error -LE slow -j2
# Ten kills of veltrano-cli in runs and restores on the demo route: each track file old or new,
# each backup copy complete (the long loop on a large route is the slow hard_kill_loop).
VELTRANO_KILL_ROUTE=demo VELTRANO_KILL_ROUNDS=10 bash scripts/kill-test.sh
# The Debian package, unpacked and run from a scratch root.
bash scripts/package-test.sh build

# Memory errors and undefined behaviour fail a test here even where the result looked right.
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DVELTRANO_SANITIZE=ON -DVELTRANO_BUILD_QT=OFF
cmake --build build-asan --parallel 2
ctest --test-dir build-asan --output-on-failure --no-tests=error -LE slow -j2

bash scripts/fuzz.sh "${VELTRANO_FUZZ_SECONDS:-5}"

# Most route builders start veltrano.exe: a change that breaks it fails this run too.
bash scripts/windows-test.sh
echo "Every test, Linux and Windows: ${SECONDS} s" >&2
