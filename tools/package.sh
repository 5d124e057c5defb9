#!/usr/bin/env bash
# Builds the zip a user downloads: build/package/Z_Vormelt10-<version>-win64.zip
# (the DLL, the Japanese readme.txt and README.md), its .sha256 checksum and the
# DLL's debug information (.dll.debug) beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build" --target Z_Vormelt10 readme_txt
(cd "$build" && cpack --config CPackConfig.cmake)
