#!/usr/bin/env bash
# Re-renders the program's PNG pictures and icons from their SVG sources.
#
# For maintainers only: run this after editing an SVG and commit the
# resulting PNGs.  The build itself uses the committed PNGs and does not
# need this script.  Requires rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
res="$root/resources"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-pictures.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
fi

# render SVG PNG WIDTH HEIGHT
render() {
    rsvg-convert --width "$3" --height "$4" --format png \
        --output "$2" "$1"
    echo "rendered ${2#"$root"/} (${3}x${4})"
}

for size in 16 24 32 48 64 128 256; do
    render "$res/icons/veltrano.svg" "$res/icons/veltrano-$size.png" "$size" "$size"
done

render "$res/pictures/wrong_mark.svg"   "$res/pictures/wrong_mark.png"   24 24
render "$res/pictures/correct_mark.svg" "$res/pictures/correct_mark.png" 30 18
render "$res/pictures/banner_photo.svg" "$res/pictures/banner_photo.png" 260 48
