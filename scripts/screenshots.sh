#!/usr/bin/env bash
# Pictures of the real windows (main window, About dialog, a message, an open drop-down and
# the control gallery) in each of the six bundled skins, and a contact sheet of them, into
# build/screenshots/; the contact sheet is copied, scaled, to docs/images/skins.png.
# SKIN=path/to/file.skn does the same for that one skin file and leaves docs/ alone.
# Runs inside the harness: private network namespace, own Xvfb display, the tree's prefix.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

if [[ -z "${KORVALE_NETNS:-}" ]]; then
  if [[ -n "${SKIN:-}" && ! -f "$SKIN" ]]; then
    echo "screenshots: no skin file $SKIN" >&2
    exit 1
  fi
  scripts/setup.sh
  scripts/build.sh
  [[ -n "${SKIN:-}" ]] && SKIN=$(realpath "$SKIN") && export SKIN
fi
source scripts/harness.sh
harness_enter_netns "$0" "$@"
trap harness_stop EXIT
harness_start_display
harness_prepare_prefix "$repo/build/wineprefix"

out=$repo/build/screenshots
rm -rf "$out"
mkdir -p "$out"
skin=()
[[ -n "${SKIN:-}" ]] && skin=("$(winepath -w "$SKIN")")
(cd "$out" && wine "$repo/build/win/bin/korvale_screenshots.exe" "${skin[@]}")
for picture in "$out"/*.ppm; do
  convert "$picture" "${picture%.ppm}.png"
  rm "$picture"
done
# One row per skin: its five pictures side by side, each named below.
montage -font /usr/share/wine/fonts/tahoma.ttf -pointsize 11 -label '%t' \
  -tile 5x -geometry '260x200>+6+4' -background '#d8d8d8' "$out"/*.png "$out/contact-sheet.png"
if [[ -z "${SKIN:-}" ]]; then
  mkdir -p docs/images
  convert "$out/contact-sheet.png" -resize '1000x>' -colors 128 -strip PNG8:docs/images/skins.png
fi
ls "$out"
