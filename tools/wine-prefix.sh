#!/usr/bin/env bash
# Creates the build folder's own Wine prefix once: Japanese fonts standing in
# for the host's "MS UI Gothic" and "ＭＳ Ｐゴシック". Usage: wine-prefix.sh BUILD_DIR
set -euo pipefail
build=$1
prefix="$build/wineprefix"
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$prefix/.vormelt-ready" ]; then
    mkdir -p "$prefix"
    "$here/wine-run.sh" "$prefix" wineboot -i >/dev/null 2>&1 || true
    for face in "MS UI Gothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS Shell Dlg"; do
        "$here/wine-run.sh" "$prefix" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
            /v "$face" /t REG_SZ /d "IPAPGothic" /f >/dev/null 2>&1 || true
    done
    touch "$prefix/.vormelt-ready"
fi
