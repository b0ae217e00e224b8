#!/usr/bin/env bash
# Makes docs/main-window-windows.png: veltrano.exe under Wine on a virtual X display, copied into
# a fresh copy of the demo route and started there, after one run. The language window and the
# notice are answered with keys, the run is started by a mouse click on the run button.
#   bash scripts/screenshot-windows.sh [OUTPUT.png]
# Uses the MinGW build in build-windows/ (VELTRANO_WINDOWS_BUILD to move it), made by
# scripts/windows-test.sh.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANO_WINDOWS_BUILD:-$root/build-windows}
output=$(realpath -m -- "${1:-$root/docs/main-window-windows.png}")
bash "$root/scripts/install-packages.sh" xvfb xauth xdotool imagemagick wine wine64 fonts-liberation
cmake --build "$build" --parallel 2 --target veltrano >/dev/null

export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
# Wine has no Courier New, the protocol box's face; Liberation Mono has the same metrics.
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' \
    /f </dev/null >/dev/null 2>&1
# The server of that call knows no display; the program's must start on the virtual one.
wineserver -w
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/examples/demo-route" "$work/route"
cp "$build/bin/veltrano.exe" "$work/route/"

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
route=$1 output=$2
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

# The one visible window whose title matches, waiting for it to appear (Wine starts slowly).
window_named() {
    local id
    for _ in $(seq 1 600); do
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

(cd "$route" && exec "$wine" veltrano.exe) &
pid=$!
trap 'kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT

# The language window: its list has the focus; Tab goes on to OK.
dialog=$(window_named '^Veltrano Tq')
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key Tab space
# The start-up notice, a box captioned just "Veltrano".
notice=$(window_named '^Veltrano$')
xdotool windowfocus --sync "$notice"
sleep 0.5
xdotool key Return

main=$(window_named '^Veltrano Tq')
sleep 1
# The run button sits in its green frame at (850, 29) in the client area, 171 x 21 pixels.
xdotool mousemove --window "$main" 935 41 click 3
# The run has made its two backups near its end; then its last lines and Timer1's unlock.
backups=$route/_Saved_tdb_und_tit_files_before_pickup_correction
for _ in $(seq 1 600); do
    (($(find "$backups" -type f 2>/dev/null | wc -l) >= 2)) && break
    sleep 0.1
done
sleep 2
xdotool mousemove 0 0
sleep 1
import -window "$main" "$output"
SESSION

xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/session.sh" "$work/route" "$output"
echo "wrote $output"
