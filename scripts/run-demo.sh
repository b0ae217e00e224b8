#!/usr/bin/env bash
# Builds Veltrano and starts the desktop program on a fresh copy of the demo route, so the
# route in the repository stays as it is.
#
#   bash scripts/run-demo.sh            the desktop program (needs a display)
#   bash scripts/run-demo.sh --cli ...  veltrano-cli instead; further arguments go to it,
#                                       e.g. --cli --lang de --change-all
#
# Without a display (no DISPLAY or WAYLAND_DISPLAY) it runs veltrano-cli and says so.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

use_cli=no
if [[ ${1:-} == --cli ]]; then
    use_cli=yes
    shift
elif [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display found: running veltrano-cli on the demo route instead." >&2
    use_cli=yes
fi

bash scripts/setup.sh >&2

generator=(-G Ninja)
if [[ -f build/CMakeCache.txt ]]; then
    generator=()
fi
# The build talks on stderr, so stdout carries only the protocol.
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >&2
cmake --build build --parallel 2 --target veltrano veltrano-cli >&2

demo=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-demo.XXXXXX")
cp -R examples/demo-route/. "$demo/"

if [[ $use_cli == no ]]; then
    echo "route folder: $demo" >&2
    cd "$demo"
    exec "$repo/build/bin/veltrano"
fi

status=0
build/bin/veltrano-cli "$@" "$demo" || status=$?
echo "veltrano-cli ended with exit status $status. The demo route copy is in $demo" >&2
exit "$status"
