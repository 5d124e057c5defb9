#!/usr/bin/env bash
# Runs a test program under Wine in the given prefix on an Xvfb display of its
# own: wine-test.sh PREFIX PROGRAM [ARGS...]
# Nothing of one test's windows, focus or injected input reaches a test in
# another prefix, so ctest runs those side by side; tests of one prefix take
# turns (their RESOURCE_LOCK). The prefix's server is stopped at the end, so
# that the next test in it starts afresh on its own display.
set -u
prefix=$(realpath -m "$1")
shift
here=$(cd "$(dirname "$0")" && pwd)

# A server left by a test that was stopped would hand this one the desktop of
# a display that is gone.
WINEPREFIX="$prefix" wineserver -k 2>/dev/null

# Xvfb picks a free display itself and writes its number once it accepts
# connections: no race with other servers starting on this machine.
numbers=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numbers" 2>/dev/null &
xvfb=$!
stop() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -f "$numbers"
}
trap stop EXIT
for _ in $(seq 200); do
    grep -q . "$numbers" 2>/dev/null && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
display=$(head -n 1 "$numbers")
if [ -z "$display" ]; then
    echo "wine-test.sh: Xvfb did not start" >&2
    exit 1
fi

DISPLAY=":$display" "$here/wine-run.sh" "$prefix" "$@"
