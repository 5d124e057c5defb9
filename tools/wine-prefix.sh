#!/usr/bin/env bash
# Creates the build folder's own Wine prefix once: Japanese fonts standing in
# for the host's "MS UI Gothic" and "ＭＳ Ｐゴシック", and unmanaged windows for
# the window tests (Xvfb has no window manager, which Wine would wait for at
# every hide). Usage: wine-prefix.sh BUILD_DIR
set -euo pipefail
build=$(realpath -m "$1")
prefix="$build/wineprefix"
here=$(cd "$(dirname "$0")" && pwd)
marker="$prefix/.vormelt-ready-3"
if [ ! -f "$marker" ]; then
    mkdir -p "$prefix"
    "$here/wine-run.sh" "$prefix" wineboot -i >/dev/null 2>&1 || true
    for face in "MS UI Gothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS Shell Dlg"; do
        "$here/wine-run.sh" "$prefix" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "$face" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1 || true
    done
    for program in window_tests.exe sandbox_tests.exe tour_tests.exe; do
        "$here/wine-run.sh" "$prefix" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
            /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    done
    # The set-up ran without a display; a server left running would hand the
    # tests its display-less desktop. Waiting lets it save the registry too.
    WINEPREFIX="$prefix" timeout 120 wineserver -w 2>/dev/null || true
    touch "$marker"
fi
