#!/usr/bin/env bash
# Installs what building, testing and running Veltrano needs on Debian (or Ubuntu).
set -euo pipefail

packages=(
    cmake ninja-build g++           # the build
    zlib1g-dev                      # compressed world files (--read-all-world-files)
    libgtest-dev libgmock-dev       # the test suites
    clang libclang-rt-dev           # the fuzz targets (libFuzzer and the sanitizer runtimes)
    qt6-base-dev                    # the desktop program
    fonts-liberation xvfb xauth     # window tests without a screen
    dpkg-dev desktop-file-utils     # the Debian package (dpkg-shlibdeps) and its test
    lintian groff-base              # the package test: lintian's verdict, the manual pages
)

bash "$(dirname "${BASH_SOURCE[0]}")/install-packages.sh" "${packages[@]}"
