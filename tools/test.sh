#!/usr/bin/env bash
# Builds everything and runs every test under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build"
# The tests' prefix, and those of displays at 150 % and 200 %.
"$root/tools/wine-prefix.sh" "$build"
for dpi in 144 192; do "$root/tools/wine-prefix.sh" "$build" $dpi; done

status=0
(cd "$build" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure) || status=$?
for prefix in wineprefix wineprefix-144 wineprefix-192; do
    WINEPREFIX="$build/$prefix" wineserver -k 2>/dev/null || true
done
exit $status
