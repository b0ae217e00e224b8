#!/usr/bin/env bash
# Starts the desktop program on a fresh copy of the demo route: the copy's folder is the
# program's working directory, which is the route it works on. The original stays untouched.
#
#   bash scripts/run-desktop.sh
#
# BUILD_DIR (default: build) is the CMake build folder that holds bin/veltrano.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$repo/build}
if [[ ! -x $build/bin/veltrano ]]; then
    echo "no $build/bin/veltrano: build it first (cmake -S . -B build -G Ninja && ninja -C build veltrano)" >&2
    exit 1
fi

route=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-demo-XXXXXX")
cp -r "$repo/examples/demo-route/." "$route/"
echo "route folder: $route" >&2
cd "$route"
exec "$build/bin/veltrano"
