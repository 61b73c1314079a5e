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

# Each picture also at twice its size ("@2x"), which Qt picks on screens
# scaled by 1.5 or more.
picture() {
    render "$res/pictures/$1.svg" "$res/pictures/$1.png" "$2" "$3"
    render "$res/pictures/$1.svg" "$res/pictures/$1@2x.png" $(($2 * 2)) $(($3 * 2))
}
picture wrong_mark 24 24
picture correct_mark 30 18
picture banner_photo 260 48
