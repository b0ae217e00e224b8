#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with MinGW-w64 and runs every test not
# labelled slow through Wine. Installs what it needs first (Debian or Ubuntu). The desktop
# program is not part of it (no Qt for MinGW here).
#   scripts/windows-test.sh     build folder: build-windows/ (VELTRANO_WINDOWS_BUILD to move it)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELTRANO_WINDOWS_BUILD:-$root/build-windows}
jobs=${VELTRANO_JOBS:-$(nproc)}

packages=(
    cmake ninja-build
    g++-mingw-w64-x86-64-posix      # the cross compiler; the posix variant has std::thread
    libz-mingw-w64-dev              # zlib built for Windows
    libgtest-dev                    # GoogleTest's sources, built for Windows by the build
    wine wine64                     # runs the Windows test programs
)

bash "$root/scripts/install-packages.sh" "${packages[@]}"

# A Wine prefix of the build's own, made without any dialog: no Mono or Gecko is offered,
# the tests need neither. Test discovery at build time already runs the programs.
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
# One Wine server, and the Wine services it starts, for the whole run, detached from the output
# of ninja and ctest: a server that ends between two test programs can drop the next one's
# connection ("recvmsg: Connection reset by peer"), and services started by a test would keep
# ctest waiting for the end of that test's output. Stopped again when the script ends.
wineserver -p600 </dev/null >/dev/null 2>&1 || true
trap 'wineserver -k 2>/dev/null || true' EXIT
"$wine" cmd /c exit </dev/null >/dev/null 2>&1

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DVELTRANO_BUILD_UI=OFF
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" -LE slow -j "$jobs" --output-on-failure
echo "Windows build and tests under Wine: ${SECONDS} s" >&2
