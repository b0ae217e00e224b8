#!/usr/bin/env bash
# Builds every target into build/ and runs every test that is not labelled slow.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh

# An existing build folder keeps the generator it was made with.
generator=(-G Ninja)
if [[ -f build/CMakeCache.txt ]]; then
    generator=()
fi
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2
ctest --test-dir build --output-on-failure --no-tests=error -LE slow -j2
