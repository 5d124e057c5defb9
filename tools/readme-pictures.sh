#!/usr/bin/env bash
# Plays the sandbox host's tour and makes the README's pictures in docs/ from
# its pictures, scaled down to a few tens of kilobytes each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh" pictures

tour="$root/build/tour"
# Xvfb, whatever display the caller has: the pictures then show Wine's own
# window frames, the same on every machine.
env -u DISPLAY "$root/tools/run-sandbox.sh" --tour "$tour"

# docs picture <- the tour step it is made from
pictures=(
    camera-mode:orbit-after-storing
    configuration-dialog:open-configuration-from-plug-ins-menu
)
for entry in "${pictures[@]}"; do
    source=$(ls "$tour"/[0-9][0-9]-"${entry#*:}".png)
    convert "$source" -resize 720x +dither -colors 64 -strip "$root/docs/${entry%%:*}.png"
    echo "docs/${entry%%:*}.png from ${source#"$root"/}"
done
