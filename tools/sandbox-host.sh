#!/usr/bin/env bash
# Runs the built sandbox host on the current display and ends the prefix's
# Wine server afterwards, while the display is still there:
#   sandbox-host.sh BUILD_DIR PREFIX managed|unmanaged [HOST OPTIONS...]
# The host runs in the caller's folder, so that a folder given to it is read,
# and printed, as the user typed it.
# Without a window manager (Xvfb) the host's windows are left unmanaged, so
# that Wine draws their frames itself and pictures of them show the frames.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath -m "$1")
prefix=$(realpath -m "$2")
mode=$3
shift 3
wine=("$here/wine-run.sh" "$prefix")
defaults='HKCU\Software\Wine\AppDefaults\sandbox_host.exe'
if [ "$mode" = unmanaged ]; then
    "${wine[@]}" reg add "$defaults\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
else
    "${wine[@]}" reg delete "$defaults" /f >/dev/null 2>&1 || true
fi
status=0
"${wine[@]}" "$build/bin/sandbox_host.exe" "$@" || status=$?
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
exit $status
