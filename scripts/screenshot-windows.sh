#!/usr/bin/env bash
# Makes docs/main-window-windows.png: veltrano.exe under Wine on a virtual X display, copied into
# a fresh copy of the demo route and started there, after one run. The language window and the
# notice are answered with keys, the run is started by a mouse button released over the run button.
# With a DPI other than 96 the program runs at that resolution (Wine's LogPixels, set back to 96
# afterwards), as on a screen scaled to DPI/96, and the picture is main-window-windows-<DPI>dpi.png.
#   bash scripts/screenshot-windows.sh [OUTPUT.png] [DPI]
# Uses the MinGW build in build-windows/ (VELTRANO_WINDOWS_BUILD to move it), made by
# scripts/windows-test.sh.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANO_WINDOWS_BUILD:-$root/build-windows}
dpi=${2:-96}
default_output=$root/docs/main-window-windows.png
((dpi == 96)) || default_output=$root/docs/main-window-windows-${dpi}dpi.png
output=$(realpath -m -- "${1:-$default_output}")
bash "$root/scripts/install-packages.sh" xvfb xauth xdotool imagemagick wine wine64 fonts-liberation
cmake --build "$build" --parallel 2 --target veltrano >/dev/null

export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
resolution() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        </dev/null >/dev/null 2>&1
}
# Wine has no Courier New, the protocol box's face; Liberation Mono has the same metrics.
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' \
    /f </dev/null >/dev/null 2>&1
resolution "$dpi"
# The server of that call knows no display; the program's must start on the virtual one.
wineserver -w
work=$(mktemp -d)
trap 'rm -rf "$work"; resolution 96; wineserver -w' EXIT
cp -r "$root/examples/demo-route" "$work/route"
cp "$build/bin/veltrano.exe" "$work/route/"

# The screen holds the whole window at any resolution up to 192 dpi; the run button's place
# grows with the resolution.
export VELTRANO_RUN_BUTTON_X=$((935 * dpi / 96)) VELTRANO_RUN_BUTTON_Y=$((41 * dpi / 96))
# The session's Wine server must go with its display.
xvfb-run -a -s "-screen 0 2560x1600x24" bash -c \
    'bash "$0" "$@"; status=$?; wineserver -k 2>/dev/null; exit $status' \
    "$root/scripts/screenshot-session.sh" "$work/route" english "$output" "$wine" veltrano.exe
echo "wrote $output"
