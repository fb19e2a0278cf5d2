#!/bin/sh
# Renders the PNG icons from data/ostrelo.svg, the one drawing of the icon. The PNGs are kept in
# the repository so that building, testing and `cmake --install` need no SVG renderer; run this
# after changing the drawing. With --check it renders into a scratch directory and fails when a
# kept PNG differs from its rendering (rsvg-convert, from librsvg2-bin, renders byte for byte
# the same with the same version, so a difference means the drawing changed without them).
#   scripts/render-icons.sh [--check]
set -eu
cd "$(dirname "$0")/.."
sizes="16 24 32 48 64 128 256"

# The 48 x 48 one is the program's own (its resource and the build tree's icon), the others are
# for menus and software centres.
kept() {
    if [ "$1" = 48 ]; then echo data/ostrelo.png; else echo "data/icons/ostrelo-$1.png"; fi
}

if [ "${1:-}" = --check ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    stale=""
    for size in $sizes; do
        rsvg-convert -w "$size" -h "$size" data/ostrelo.svg -o "$scratch/$size.png"
        cmp -s "$scratch/$size.png" "$(kept "$size")" || stale="$stale $(kept "$size")"
    done
    if [ -n "$stale" ]; then
        echo "Not rendered from the current data/ostrelo.svg:$stale (run scripts/render-icons.sh)"
        exit 1
    fi
    echo "The $(echo $sizes | wc -w) PNG icons are renderings of data/ostrelo.svg."
    exit 0
fi

mkdir -p data/icons
for size in $sizes; do
    rsvg-convert -w "$size" -h "$size" data/ostrelo.svg -o "$(kept "$size")"
done
