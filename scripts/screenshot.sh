#!/usr/bin/env bash
# Makes docs/main-window.png: the main window of veltrano after one run on a fresh copy of the
# demo route, on a virtual X display. The language window and the start-up notice are answered
# with key presses and the run is started by a mouse click on the run button, as a user would.
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

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
program=$1 route=$2 language=$3 output=$4

# The one visible window whose title matches, waiting for it to appear.
window_named() {
    local id
    for _ in $(seq 1 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window named '$1' appeared" >&2
    return 1
}

(cd "$route" && exec "$program") &
pid=$!
# The program has no other way out than its Quit button; end it before the display goes.
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT

# The language window: the list has the focus; Down picks "deutsch", Tab goes on to OK.
dialog=$(window_named '^Veltrano Tq')
xdotool windowfocus --sync "$dialog"
if [[ $language == deutsch ]]; then
    xdotool key Down
fi
xdotool key Tab space

# The start-up notice, a box captioned just "Veltrano".
notice=$(window_named '^Veltrano$')
xdotool windowfocus --sync "$notice"
xdotool key Return

main=$(window_named '^Veltrano Tq')
sleep 0.5
# A click on the run button: the release starts the run. It sits in its green frame at
# (850, 29) in the client area; the frame's button is 171 x 21 pixels.
xdotool mousemove --window "$main" 935 41 click 1
sleep 3
# Away from every control, so that no tool tip covers the window.
xdotool mousemove 0 0
sleep 1.5
import -window "$main" "$output"
SESSION

xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$work/session.sh" "$build/bin/veltrano" "$route" "$language" "$output"
echo "wrote $output"
