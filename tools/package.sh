#!/usr/bin/env bash
# Builds the zip a user downloads: build/package/Z_Vormelt10-<version>-win64.zip
# (the DLL and its debug information, the Japanese readme.txt, README.md and its
# pictures) and its .sha256 checksum beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"
if ! command -v iconv >/dev/null; then
    echo "iconv is missing (Debian's libc-bin has it): readme.txt cannot be made, so no package" >&2
    exit 1
fi

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build" --target Z_Vormelt10 readme_txt
(cd "$build" && cpack --config CPackConfig.cmake)
