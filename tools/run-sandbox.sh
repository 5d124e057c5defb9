#!/usr/bin/env bash
# Builds the plug-in and runs it in the sandbox host under Wine.
#   With a display: the host opens with its scene and the plug-in attached, to
#   be tried by hand (sandbox_host.exe --run).
#   Without one: Xvfb is started and the host plays the scripted tour, writing
#   a picture per step and tour.txt to build/tour/ (sandbox_host.exe --tour).
# Options, when given, go to the host instead: --run, or --tour [FOLDER], a
# folder relative to the current one; then --english makes the host run in
# English, and --double-clicks gives its figure window a class that asks for
# double clicks (either alone keeps the choice of --run or --tour by the
# display). The tour's pictures go to build/tour/, or build/tour-en/ for the
# English host.
# A first --scale PERCENT (150, 200, ...) runs the host on a display at that
# scale, in a Wine prefix of its own whose display has that DPI; the tour's
# pictures then go to build/tour-PERCENT/ or build/tour-PERCENT-en/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
scale=
dpi=
if [ "${1:-}" = --scale ]; then
    scale=${2:?--scale takes a percentage, such as 150 or 200}
    [[ $scale =~ ^[1-9][0-9]*$ ]] || { echo "--scale takes a whole percentage, such as 150 or 200" >&2; exit 2; }
    shift 2
fi
"$root/tools/setup.sh"

cmake --preset mingw -S "$root" >/dev/null
cmake --build "$build" --target Z_Vormelt10 Z_Brannoc10 sandbox_host
prefix="$build/wineprefix"
tour="$build/tour"
# Xvfb's screen: at a larger scale as many more pixels, as a display made for
# that scale has.
screen="1280x1024"
if [ -n "$scale" ] && [ "$scale" != 100 ]; then
    dpi=$((scale * 96 / 100))
    prefix="$build/wineprefix-$dpi"
    tour="$build/tour-$scale"
    screen="$((1280 * scale / 100))x$((1024 * scale / 100))"
fi
"$root/tools/wine-prefix.sh" "$build" $dpi

if [ $# -eq 0 ] || [ "$1" = --english ] || [ "$1" = --double-clicks ]; then
    if [ -n "${DISPLAY:-}" ]; then set -- --run "$@"; else set -- --tour "$@"; fi
fi
# A tour without a folder: the one of its scale and language.
if [ "$1" = --tour ] && [[ ${2:---} == --* ]]; then
    folder=$tour
    [[ " $* " == *" --english "* ]] && folder="$tour-en"
    shift
    set -- --tour "$(realpath -m --relative-to=. "$folder")" "$@"
fi
# A Wine server still running from a display-less start would lend the host
# its display-less desktop.
WINEPREFIX="$prefix" timeout 60 wineserver -w 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
    "$root/tools/sandbox-host.sh" "$build" "$prefix" managed "$@"
else
    xvfb-run -a -s "-screen 0 ${screen}x24" "$root/tools/sandbox-host.sh" "$build" "$prefix" unmanaged "$@"
fi
