#!/usr/bin/env bash
# Builds veltrano-cli and runs it on a fresh copy of the demo route, so the route in the
# repository stays as it is. Extra arguments go to veltrano-cli, e.g. --lang de --change-all.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh >&2

generator=(-G Ninja)
if [[ -f build/CMakeCache.txt ]]; then
    generator=()
fi
# The build talks on stderr, so stdout carries only the protocol.
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >&2
cmake --build build --parallel 2 --target veltrano-cli >&2

demo=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-demo.XXXXXX")
cp -R examples/demo-route/. "$demo/"

status=0
build/bin/veltrano-cli "$@" "$demo" || status=$?
echo "veltrano-cli ended with exit status $status. The demo route copy is in $demo" >&2
exit "$status"
