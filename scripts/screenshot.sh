#!/usr/bin/env bash
# Makes docs/main-window.png: the main window of veltrano after one run on a fresh copy of the
# demo route, on a virtual X display. The language window and the start-up notice are answered
# with key presses and the run is started by a mouse button released over the run button, as a user would.
#
#   bash scripts/screenshot.sh [--german] [OUTPUT.png]
#
# BUILD_DIR (default: build) is the CMake build folder to build veltrano in.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$repo/build}
language=english
output=$repo/docs/main-window.png
for argument in "$@"; do
    case $argument in
        --german) language=deutsch ;;
        *) output=$argument ;;
    esac
done

need_packages=()
command -v xvfb-run >/dev/null || need_packages+=(xvfb xauth)
command -v xdotool >/dev/null || need_packages+=(xdotool)
command -v import >/dev/null || need_packages+=(imagemagick)
if ((${#need_packages[@]})); then
    as_root=()
    if [[ $(id -u) -ne 0 ]]; then
        as_root=(sudo)
    fi
    echo "installing ${need_packages[*]}" >&2
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        "${need_packages[@]}" >/dev/null
fi

# An existing build folder keeps the generator it was made with.
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --parallel 2 --target veltrano >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
route=$work/route
if [[ -d $repo/examples/demo-route ]]; then
    cp -r "$repo/examples/demo-route" "$route"
else
    # A route with nothing to repair, only to show the window.
    mkdir -p "$route/WORLD"
    printf 'Tr_RouteFile (\r\n\tRouteID ( Demo )\r\n)\r\n' >"$route/Demo.trk"
    printf 'SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrackDB (\r\n)\r\n' >"$route/Demo.tdb"
    printf 'SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrItemTable (\r\n)\r\n' >"$route/Demo.tit"
    printf 'SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n)\r\n' \
        >"$route/WORLD/w-000000+000000.w"
fi

xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$repo/scripts/screenshot-session.sh" "$route" "$language" "$output" "$build/bin/veltrano"
echo "wrote $output"
