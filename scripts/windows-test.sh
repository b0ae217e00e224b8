#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with MinGW-w64 and runs every test not
# labelled slow through Wine, then makes the Windows package and checks what it holds.
# Installs what it needs first (Debian or Ubuntu).
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
    unzip                           # lists the package
    fonts-liberation                # Liberation Mono stands in for Courier New under Wine
    xvfb xauth                      # a display for the windows of veltrano.exe
)

bash "$root/scripts/install-packages.sh" "${packages[@]}"

# The window tests need a display; Wine's server, started below, keeps the one it starts with.
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

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
# Wine has no Courier New, the protocol box's face; Liberation Mono has the same metrics.
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' \
    /f </dev/null >/dev/null 2>&1

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" -LE slow -j "$jobs" --output-on-failure

# The package: veltrano-<version>-windows-x64.zip, one folder with exactly these files.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
name=veltrano-$version-windows-x64
rm -f -- "$build/package/$name.zip"
cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$build/package" >/dev/null
programs=(veltrano-cli.exe veltrano.exe)
texts=(README.txt LICENSE.txt "Veltrano - all world file forms.cmd" "Veltrano - undo the last run.cmd")
expected=$(printf "$name/%s\n" "${texts[@]}" "${programs[@]}" | sort)
listed=$(unzip -Z1 "$build/package/$name.zip" | grep -v '/$' | sort)
if [[ $listed != "$expected" ]]; then
    echo "windows-test: $name.zip holds other files:" >&2
    diff <(echo "$expected") <(echo "$listed") >&2 || true
    exit 1
fi
# The texts are for Notepad and cmd.exe: every line ends in CR LF.
for text in "${texts[@]}"; do
    if unzip -p "$build/package/$name.zip" "$name/$text" | grep -qv $'\r$'; then
        echo "windows-test: $text has a line without CR LF" >&2
        exit 1
    fi
done
# Each program runs alone when copied somewhere: it imports only DLLs of Windows itself.
for program in "${programs[@]}"; do
    foreign=$(x86_64-w64-mingw32-objdump -p "$build/bin/$program" |
        sed -n 's/^\s*DLL Name: //p' |
        grep -viE '^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|uxtheme|msvcrt|api-ms-win-[a-z0-9-]+)\.dll$' ||
        true)
    if [[ -n $foreign ]]; then
        echo "windows-test: $program needs DLLs beside it: $foreign" >&2
        exit 1
    fi
done
echo "package: $build/package/$name.zip"
echo "Windows build, tests under Wine and package: ${SECONDS} s" >&2
