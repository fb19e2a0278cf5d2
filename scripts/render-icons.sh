#!/bin/sh
# Renders the PNG icons from data/ostrelo.svg, the one drawing of the icon. The PNGs are kept in
# the repository so that building, testing and `cmake --install` need no SVG renderer; run this
# after changing the drawing. With --check it renders into a scratch directory and fails when a
# kept PNG's pixels differ from its rendering's by more than TOLERANCE in any channel.
#   scripts/render-icons.sh [--check]
# Pixels and not bytes: another librsvg draws the antialiased edges a little differently (2.60 in
# Debian 13 moves a few pixels of the 16 to 48 px icons by up to 5 of 255 against 2.54 in
# Debian 12), and another zlib packs the same pixels into other bytes. A change of the drawing
# moves pixels by far more than that. The PNGs stay in the repository rather than being
# rendered at build time, so that building needs no SVG renderer and the package carries the
# same icons whichever librsvg the machine that builds it has. --check needs pngtopam (netpbm).
set -eu
cd "$(dirname "$0")/.."
sizes="16 24 32 48 64 128 256"

# The 48 x 48 one is the program's own (its resource and the build tree's icon), the others are
# for menus and software centres.
kept() {
    if [ "$1" = 48 ]; then echo data/ostrelo.png; else echo "data/icons/ostrelo-$1.png"; fi
}

# The largest difference any channel of any pixel may show; see above.
TOLERANCE=8

# apart KEPT RENDERED: prints the largest difference, 0 to 255, between the same channel of the
# same pixel of two PNGs, or "size" when they do not have the same size and channels. cmp -l
# lists every byte that differs, with both values in octal; the PAM headers are the same text
# when the sizes are, so only pixel bytes can differ.
apart() {
    pngtopam -alphapam "$1" >"$scratch/kept.pam"
    pngtopam -alphapam "$2" >"$scratch/rendered.pam"
    header() { sed -n '1,/^ENDHDR$/p' "$1"; }
    if [ "$(header "$scratch/kept.pam")" != "$(header "$scratch/rendered.pam")" ]; then
        echo size
        return
    fi
    cmp -l "$scratch/kept.pam" "$scratch/rendered.pam" | awk '
        function value(octal,   v, i) {
            for (i = 1; i <= length(octal); i++) v = v * 8 + substr(octal, i, 1)
            return v
        }
        { d = value($2) - value($3); if (d < 0) d = -d; if (d > max) max = d }
        END { print max + 0 }'
}

if [ "${1:-}" = --check ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    stale=""
    for size in $sizes; do
        rsvg-convert -w "$size" -h "$size" data/ostrelo.svg -o "$scratch/$size.png"
        difference=$(apart "$(kept "$size")" "$scratch/$size.png")
        echo "$(kept "$size"): at most $difference of 255 from its rendering"
        if [ "$difference" = size ] || [ "$difference" -gt "$TOLERANCE" ]; then
            stale="$stale $(kept "$size")"
        fi
    done
    if [ -n "$stale" ]; then
        echo "Not rendered from the current data/ostrelo.svg:$stale (run scripts/render-icons.sh)"
        exit 1
    fi
    echo "The $(echo $sizes | wc -w) PNG icons are renderings of data/ostrelo.svg" \
        "(within $TOLERANCE of 255 per channel)."
    exit 0
fi

mkdir -p data/icons
for size in $sizes; do
    rsvg-convert -w "$size" -h "$size" data/ostrelo.svg -o "$(kept "$size")"
done
