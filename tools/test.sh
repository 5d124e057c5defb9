#!/usr/bin/env bash
# Builds everything and runs every test under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build"
# The tests' prefixes: one for each group of tests that runs beside the
# others, and those of displays at 150 % and 200 %. The first is made by Wine,
# the others from it, side by side.
groups=("" unit tour 144 192)
"$root/tools/wine-prefix.sh" "$build"
makers=()
for group in "${groups[@]:1}"; do
    "$root/tools/wine-prefix.sh" "$build" "$group" &
    makers+=($!)
done
for maker in "${makers[@]}"; do wait "$maker"; done

status=0
(cd "$build" && ctest --output-on-failure --parallel 4) || status=$?
for group in "${groups[@]}"; do
    WINEPREFIX="$build/wineprefix${group:+-$group}" wineserver -k 2>/dev/null || true
done
exit $status
