#!/usr/bin/env bash
# Creates the build folder's own Wine prefix once: Japanese fonts standing in
# for the host's "MS UI Gothic" and "ＭＳ Ｐゴシック", Wine's own Marlett for the
# glyphs of the caption buttons Wine draws, and unmanaged windows for
# the window tests (Xvfb has no window manager, which Wine would wait for at
# every hide). Usage: wine-prefix.sh BUILD_DIR [DPI | GROUP]
# With a DPI (144 for a display at 150 %, 192 for one at 200 %) the prefix is
# BUILD_DIR/wineprefix-DPI, the same but with its display set to that DPI. With
# the name of a group of tests (unit, tour) it is BUILD_DIR/wineprefix-GROUP,
# the same as BUILD_DIR/wineprefix, for tests that run beside those in it.
#
# Only BUILD_DIR/wineprefix is made by Wine; the others are made from it. They
# share its Windows files by hard links, which Wine only reads, and each has its
# own copies of the files Wine writes: the registry files, which Wine replaces
# by a new file at every save (so a save never reaches another prefix), and the
# .ini files and .update-timestamp, which it rewrites in place (a Wine upgrade
# seen by one prefix would otherwise mark every prefix updated).
#
# A prefix is ready once its marker holds the version of the Wine that made it;
# a prefix made by another Wine, or left half made, is made again.
set -euo pipefail
build=$(realpath -m "$1")
name=${2:-}
dpi=
if [[ "$name" =~ ^[0-9]+$ ]]; then dpi=$name; fi
base="$build/wineprefix"
prefix="$build/wineprefix${name:+-$name}"
here=$(cd "$(dirname "$0")" && pwd)
ready=.vormelt-ready-4
wine_version=$(wine --version 2>/dev/null)

is_ready() {
    [ "$(cat "$1/$ready" 2>/dev/null)" = "$wine_version" ]
}

# Waits for the prefix's server to end: the set-up ran without a display, and a
# server left running would hand the tests its display-less desktop. Waiting
# lets it save the registry too.
settle() {
    WINEPREFIX="$1" timeout 120 wineserver -w 2>/dev/null || true
}

make_base() {
    rm -rf "$base"
    mkdir -p "$base"
    "$here/wine-run.sh" "$base" wineboot -i >/dev/null 2>&1 || true
    for face in "MS UI Gothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS Shell Dlg"; do
        "$here/wine-run.sh" "$base" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "$face" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1 || true
    done
    # Wine as Debian packages it neither loads its own fonts from their folder
    # nor installs them in the prefix: without Marlett the frames Wine draws
    # show their caption buttons as the letters "0 1 r".
    cp /usr/share/wine/fonts/marlett.ttf "$base/drive_c/windows/Fonts/" 2>/dev/null || true
    for program in window_tests.exe sandbox_tests.exe tour_tests.exe; do
        "$here/wine-run.sh" "$base" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
            /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    done
    settle "$base"
    echo "$wine_version" >"$base/$ready"
}

make_from_base() {
    # A prefix left half made by a stopped run is made again.
    rm -rf "$prefix"
    cp -al "$base" "$prefix"
    # Its own marker, and its own server folder, named by the file "wineserver" that
    # Wine writes at a prefix's first start.
    rm "$prefix/$ready" "$prefix/wineserver"
    for file in "$base"/*.reg "$base"/drive_c/windows/*.ini "$base"/.update-timestamp; do
        cp --remove-destination "$file" "$prefix/${file#"$base"/}"
    done
    if [ -n "$dpi" ]; then
        for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
            "$here/wine-run.sh" "$prefix" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
        done
        settle "$prefix"
    fi
    echo "$wine_version" >"$prefix/$ready"
}

if ! is_ready "$base"; then make_base; fi
if [ "$prefix" != "$base" ] && ! is_ready "$prefix"; then make_from_base; fi
