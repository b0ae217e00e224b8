#!/usr/bin/env bash
# Builds the Debian package from a build folder (default build/) and checks it from outside:
# its control fields, its file list, and the unpacked programs run from a scratch root on a
# fresh copy of the demo route. Usage: bash scripts/package-test.sh [BUILD_DIR]
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A build folder given relative is taken from where the script was started.
build=$(realpath -m -- "${1:-$repo/build}")
cd "$repo"
if [[ ! -f $build/CPackConfig.cmake ]]; then
    echo "package-test: $build is no configured build folder (no CPackConfig.cmake)" >&2
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# check WHAT COMMAND...: runs the command and reports WHAT as passed or failed.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        fail "$what"
    fi
}

scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT

# The icon and the compressed manual page are build outputs, so the build must be current.
cmake --build "$build" --parallel 2 >"$scratch/build.log" 2>&1 ||
    { cat "$scratch/build.log" >&2; exit 1; }
# Read after the build, which configures anew when the project version changed.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$build/package/veltrano_${version}_$(dpkg --print-architecture).deb
# A package left by an earlier run must not pass for this one.
rm -f -- "$deb"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/package" \
    >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; exit 1; }
# A warning of cpack or dpkg-shlibdeps points at a packaging mistake that still made a package.
if grep -i 'warning' "$scratch/cpack.log" >&2; then
    fail "cpack warned"
fi

if [[ ! -f $deb ]]; then
    echo "package-test: cpack did not make $deb" >&2
    ls -l "$build/package" >&2
    exit 1
fi
echo "package: $deb ($(stat -c %s "$deb") bytes)"

# Control fields. Depends is worked out by dpkg-shlibdeps, except the protocol box's font.
info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
echo "Depends: $depends"
# One package name a line, without version or alternatives.
depends_names=$(tr ',|' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for needed in libqt6widgets6 libstdc++6 libc6 fonts-liberation; do
    check "Depends names $needed" grep -qxF "$needed" <<<"$depends_names"
done
for field in "Package: veltrano" "Version: $version" "Section: utils" "Maintainer: "; do
    check "control has $field" grep -q "^ $field" <<<"$info"
done

# The file list: every file owned by root, the programs executable.
contents=$(dpkg-deb -c "$deb")
expected=(
    usr/bin/veltrano
    usr/bin/veltrano-cli
    usr/bin/veltrano-open-route
    usr/share/applications/veltrano.desktop
    usr/share/mime/packages/veltrano-route.xml
    usr/share/icons/hicolor/32x32/apps/veltrano.png
    usr/share/man/man1/veltrano-cli.1.gz
    usr/share/man/man1/veltrano.1.gz
    usr/share/man/man1/veltrano-open-route.1.gz
    usr/share/doc/veltrano/copyright
    usr/share/doc/veltrano/changelog.gz
)
for file in "${expected[@]}"; do
    check "package holds /$file" grep -q " \./$file\$" <<<"$contents"
done
if awk '$2 != "root/root"' <<<"$contents" | grep -q .; then
    fail "files not owned by root: $(awk '$2 != "root/root" {print $6}' <<<"$contents")"
fi

root=$scratch/root
dpkg -x "$deb" "$root"
for program in veltrano veltrano-cli veltrano-open-route; do
    check "$program is executable" test -x "$root/usr/bin/$program"
done

# The icon: a PNG whose header (the IHDR chunk right after the signature) says 32 x 32.
icon=$root/usr/share/icons/hicolor/32x32/apps/veltrano.png
if [[ -f $icon ]]; then
    signature=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    size=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
    check "icon is a PNG" test "$signature" = 89504e470d0a1a0a
    check "icon is 32x32 (header says $size)" test "$size" = 32x32
fi

desktop=$root/usr/share/applications/veltrano.desktop
if [[ -f $desktop ]]; then
    for line in Icon=veltrano "Exec=veltrano-open-route %f" \
        "Exec=veltrano-open-route --undo-last-run %f" \
        "MimeType=application/x-trainsim-route;"; do
        check "desktop entry has $line" grep -qxF "$line" "$desktop"
    done
    if command -v desktop-file-validate >/dev/null; then
        check "desktop-file-validate" desktop-file-validate "$desktop"
    fi
fi

# "Open with": with the unpacked root as the only data folder, a .trk file has the route type
# and the route type has the entry, as on a desktop where the package is installed.
if command -v gio >/dev/null && command -v update-mime-database >/dev/null &&
    command -v update-desktop-database >/dev/null; then
    # The entry's Exec program must be on PATH, or the entry does not count.
    desktop_env=(env "XDG_DATA_DIRS=$root/usr/share" "XDG_DATA_HOME=$scratch/home/data"
        "XDG_CONFIG_HOME=$scratch/home/config" "XDG_CONFIG_DIRS=$scratch/home/config-dirs"
        "PATH=$root/usr/bin:$PATH")
    "${desktop_env[@]}" update-mime-database "$root/usr/share/mime"
    "${desktop_env[@]}" update-desktop-database "$root/usr/share/applications"
    type=$("${desktop_env[@]}" gio info -a standard::content-type examples/demo-route/Demo.trk |
        sed -n 's/^ *standard::content-type: //p')
    check "a .trk file is application/x-trainsim-route (got $type)" \
        test "$type" = application/x-trainsim-route
    check "Open with offers veltrano.desktop for it" \
        grep -q 'Default application.*veltrano\.desktop' \
        <("${desktop_env[@]}" gio mime application/x-trainsim-route)
fi

# The unpacked terminal program, on a fresh copy of the demo route.
cli=$root/usr/bin/veltrano-cli
"$cli" --help >"$scratch/help.txt" || fail "veltrano-cli --help exits with $?"
check "veltrano-cli --help prints the usage" grep -q '^Usage: veltrano-cli' "$scratch/help.txt"
check "veltrano-cli --version says $version" grep -qF "$version" <("$cli" --version)

cp -r examples/demo-route "$scratch/route"
status=0
"$cli" "$scratch/route" >"$scratch/protocol.txt" 2>"$scratch/stderr.txt" || status=$?
check "demo route run exits with 0 (got $status)" test "$status" -eq 0
check "demo route run: protocol says ready!" grep -qx 'ready!' "$scratch/protocol.txt"
check "demo route run: nothing on stderr" test ! -s "$scratch/stderr.txt"
backups=$scratch/route/_Saved_tdb_und_tit_files_before_pickup_correction
check "demo route run backed up Demo.tit and Demo.tdb" \
    test "$(find "$backups" -type f -name '*_Demo.t[id][bt]' 2>/dev/null | wc -l)" -eq 2

# The manual pages: compressed whole, and each renders without warnings where a formatter exists.
for name in veltrano-cli veltrano veltrano-open-route; do
    page=$root/usr/share/man/man1/$name.1.gz
    if [[ ! -f $page ]] || ! gzip -t "$page"; then
        fail "manual page $name.1.gz is missing or not a whole gzip file"
        continue
    fi
    zcat "$page" >"$scratch/$name.1"
    name_line=$(sed -n '/^\.SH NAME$/{n;p;q}' "$scratch/$name.1")
    check "manual page $name has its NAME section ($name_line)" \
        grep -q "^$name \\\\- " <<<"$name_line"
    if ! command -v groff >/dev/null; then
        fail "groff is not installed (bash scripts/setup.sh installs it)"
    else
        # -P-cbou: plain text, no bold or underline made of backspaces, so grep sees words.
        LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou -ww "$scratch/$name.1" \
            >"$scratch/$name.txt" 2>"$scratch/groff.txt" || fail "groff fails on $name.1"
        check "groff renders $name.1 without warnings" test ! -s "$scratch/groff.txt"
        check "rendered $name.1 has EXIT STATUS" grep -q 'EXIT STATUS' "$scratch/$name.txt"
    fi
done

# lintian: no error and no warning (information tags are allowed). scripts/setup.sh installs it;
# a check that cannot run is a failure, never a pass.
if ! command -v lintian >/dev/null; then
    fail "lintian is not installed (bash scripts/setup.sh installs it)"
else
    lintian --no-tag-display-limit "$deb" >"$scratch/lintian.txt" 2>/dev/null || true
    check "lintian reports no error or warning" \
        bash -c '! grep -E "^[EW]: " "$1" >&2' _ "$scratch/lintian.txt"
fi

if ((failures > 0)); then
    echo "package-test: $failures check(s) failed" >&2
    exit 1
fi
echo "package-test: all checks passed"
