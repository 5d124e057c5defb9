#!/usr/bin/env bash
# Builds the hook benchmark and runs it in the sandbox host's windows under Wine
# and Xvfb: benchmark.sh [ROUNDS [BATCH]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build" --target hook_benchmark
"$root/tools/wine-prefix.sh" "$build"

status=0
(cd "$build/bin" && xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$root/tools/wine-run.sh" "$build/wineprefix" hook_benchmark.exe "$@") || status=$?
WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
exit $status
