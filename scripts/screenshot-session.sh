#!/usr/bin/env bash
# The walk-through both screenshot scripts take on their virtual display: start the program in
# the route, answer the language window and the start-up notice with keys as a user would,
# release a mouse button over the run button, wait for the run's backups and its unlock, and
# photograph the main window.
#
#   bash scripts/screenshot-session.sh ROUTE english|deutsch OUTPUT.png COMMAND...
set -euo pipefail
route=$1 language=$2 output=$3
shift 3

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

(cd "$route" && exec "$@") &
pid=$!
# The program has no other way out than its Quit button; end it before the display goes.
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' EXIT

# The language window: the list has the focus; Down picks "deutsch", Tab goes on to OK.
dialog=$(window_named '^Veltrano Tq')
xdotool windowfocus --sync "$dialog"
sleep 0.5
if [[ $language == deutsch ]]; then
    xdotool key Down
fi
xdotool key Tab space

# The start-up notice, a box captioned just "Veltrano".
notice=$(window_named '^Veltrano$')
xdotool windowfocus --sync "$notice"
sleep 0.5
xdotool key Return

main=$(window_named '^Veltrano Tq')
sleep 1
# The run button sits in its green frame at (850, 29) in the client area, 171 x 21 pixels; the
# right button shows that any button's release starts a run.
xdotool mousemove --window "$main" "${VELTRANO_RUN_BUTTON_X:-935}" "${VELTRANO_RUN_BUTTON_Y:-41}" click 3
# The run makes its two backups near its end; then come its last lines and Timer1's unlock.
backups=$(find "$route" -maxdepth 1 -type d -name '_Saved_*' -print -quit)
for _ in $(seq 1 600); do
    backups=$(find "$route" -maxdepth 1 -type d -name '_Saved_*' -print -quit)
    [[ -n $backups ]] && (($(find "$backups" -type f | wc -l) >= 2)) && break
    sleep 0.1
done
sleep 2
# Away from every control, so that no tool tip covers the window.
xdotool mousemove 0 0
sleep 1
import -window "$main" "$output"
