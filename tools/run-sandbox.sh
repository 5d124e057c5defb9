#!/usr/bin/env bash
# Builds the plug-in and runs it in the sandbox host under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build" --target Z_Vormelt10 Z_Brannoc10 sandbox_host
"$root/tools/wine-prefix.sh" "$build"

status=0
(cd "$build/bin" && "$root/tools/wine-run.sh" "$build/wineprefix" sandbox_host.exe "$@") || status=$?
WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
exit $status
