#!/usr/bin/env bash
# Builds everything and runs every test under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build"
"$root/tools/wine-prefix.sh" "$build"

status=0
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure) || status=$?
WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
exit $status
