#!/usr/bin/env bash
# Plays the sandbox host's tour on a host in Japanese and on one in English,
# and on one in English on a display at 200 %, and makes the README's pictures
# in docs/ from their pictures, scaled down to a few tens of kilobytes each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh" pictures

# Xvfb, whatever display the caller has: the pictures then show Wine's own
# window frames, the same on every machine.
env -u DISPLAY "$root/tools/run-sandbox.sh" --tour "$root/build/tour"
env -u DISPLAY "$root/tools/run-sandbox.sh" --tour "$root/build/tour-en" --english
env -u DISPLAY "$root/tools/run-sandbox.sh" --scale 200 --tour "$root/build/tour-200-en" --english

# docs picture <- the tour and its step it is made from
pictures=(
    camera-mode:tour:orbit-after-storing
    configuration-dialog:tour:open-configuration-from-plug-ins-menu
    camera-mode-en:tour-en:orbit-after-storing
    configuration-dialog-en:tour-en:open-configuration-from-plug-ins-menu
)
for entry in "${pictures[@]}"; do
    IFS=: read -r picture tour step <<<"$entry"
    source=$(ls "$root/build/$tour"/[0-9][0-9]-"$step".png)
    convert "$source" -resize 720x +dither -colors 64 -strip "$root/docs/$picture.png"
    echo "docs/$picture.png from ${source#"$root"/}"
done

# The control window alone at 200 %: the tour places it 20 pixels below the
# host's 640-pixel-high window, at the picture's left; the dark screen right of
# it is trimmed away.
source=$(ls "$root/build/tour-200-en"/[0-9][0-9]-orbit-after-storing.png)
convert "$source" -crop +0+660 +repage -flop -trim +repage -flop +dither -colors 64 -strip \
    "$root/docs/control-window-200.png"
echo "docs/control-window-200.png from ${source#"$root"/}"
