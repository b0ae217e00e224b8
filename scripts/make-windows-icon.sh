#!/usr/bin/env bash
# Makes win32/veltrano.ico, the Windows program's icon, from the wheel the desktop program
# draws for its own window (veltrano-export-icon), so both programs show the same wheel. The
# MinGW build has no Qt to draw it, so the icon is committed; run this again after a change
# to the wheel. Needs a Linux build folder (default build/) and ImageMagick.
#   bash scripts/make-windows-icon.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m -- "${1:-$root/build}")
cmake --build "$build" --target veltrano_icon --parallel 2
png=$(find "$build" -name veltrano.png -path '*/veltrano.png' | head -n 1)
[[ -n $png ]] || { echo "make-windows-icon: no veltrano.png in $build" >&2; exit 1; }
# One 32 x 32 picture with at most 256 colours, as the window icon.
convert "$png" -colors 256 "$root/win32/veltrano.ico"
identify "$root/win32/veltrano.ico"
