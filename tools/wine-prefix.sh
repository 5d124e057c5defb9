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
set -euo pipefail
build=$(realpath -m "$1")
name=${2:-}
dpi=
if [[ "$name" =~ ^[0-9]+$ ]]; then dpi=$name; fi
prefix="$build/wineprefix${name:+-$name}"
here=$(cd "$(dirname "$0")" && pwd)
marker="$prefix/.vormelt-ready-4"
if [ ! -f "$marker" ]; then
    mkdir -p "$prefix"
    "$here/wine-run.sh" "$prefix" wineboot -i >/dev/null 2>&1 || true
    for face in "MS UI Gothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS Shell Dlg"; do
        "$here/wine-run.sh" "$prefix" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "$face" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1 || true
    done
    # Wine as Debian packages it neither loads its own fonts from their folder
    # nor installs them in the prefix: without Marlett the frames Wine draws
    # show their caption buttons as the letters "0 1 r".
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    for program in window_tests.exe sandbox_tests.exe tour_tests.exe; do
        "$here/wine-run.sh" "$prefix" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
            /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    done
    if [ -n "$dpi" ]; then
        for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
            "$here/wine-run.sh" "$prefix" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
        done
    fi
    # The set-up ran without a display; a server left running would hand the
    # tests its display-less desktop. Waiting lets it save the registry too.
    WINEPREFIX="$prefix" timeout 120 wineserver -w 2>/dev/null || true
    touch "$marker"
fi
