#!/usr/bin/env bash
# Installs what building, testing and running Veltrano needs on Debian (or Ubuntu). Packages
# already installed are not asked for again, so a prepared machine starts at once.
set -euo pipefail

packages=(
    cmake ninja-build g++           # the build
    zlib1g-dev                      # compressed world files (--read-all-world-files)
    libgtest-dev libgmock-dev       # the test suites
    clang libclang-rt-dev           # the fuzz targets (libFuzzer and the sanitizer runtimes)
    qt6-base-dev                    # the desktop program
    fonts-liberation xvfb xauth     # window tests without a screen
    dpkg-dev desktop-file-utils     # the Debian package (dpkg-shlibdeps) and its test
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ $status != "install ok installed" ]]; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "Missing packages: ${missing[*]}. Install them as root (no sudo here)." >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}" >&2
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
