#!/bin/sh
# Contact sheet of the dress-up wardrobe, to look at every garment on Bafo:
#   tools/datagen/dress_sheet.sh DATA_DIR OUT.png
# DATA_DIR is a tree written by `datagen --out` (or `--only dress`). Each tile
# is NAHYBAFO with one garment laid at its offset (magenta left out, as the
# screen does); then five full outfits and the screen with an outfit over BG.
set -eu
data=$1/BAFO_CS/KREJCI
out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# lay FILE X Y onto the picture in $tmp/cur.png
lay() {
    convert "$tmp/cur.png" \( "$1" -transparent '#FF00FF' \) -geometry "+$2+$3" -composite "$tmp/cur.png"
}
boots() { lay "$data/OBLEKY/BOTY/BOTY$1.BMP" 25 247; }
hat() { lay "$data/OBLEKY/HLAVY/HLAVA$1.BMP" 51 -4; }
shirt() { lay "$data/OBLEKY/TRIKA/TRIKO$1.BMP" 36 117; }
shorts() { lay "$data/OBLEKY/TRENKY/TRENKY$1.BMP" 55 187; }

tiles=""
for cat in boots hat shirt shorts; do
    for n in 1 2 3 4 5 6 7 8 9 10; do
        convert "$data/NAHYBAFO.BMP" "$tmp/cur.png"
        $cat "$n"
        mv "$tmp/cur.png" "$tmp/$cat$n.png"
        tiles="$tiles $tmp/$cat$n.png"
    done
done
for n in 1 2 3 4 5 6 7 8 9 10; do
    convert "$data/NAHYBAFO.BMP" "$tmp/cur.png"
    m=$(( (n * 3) % 10 + 1 )); k=$(( (n * 7) % 10 + 1 ))
    boots "$n"; hat "$m"; shirt "$k"; shorts "$n"
    mv "$tmp/cur.png" "$tmp/outfit$n.png"
    tiles="$tiles $tmp/outfit$n.png"
done
# shellcheck disable=SC2086
montage $tiles -tile 10x -geometry +4+4 -background '#404040' "$tmp/sheet.png"
convert "$data/BG.BMP" "$tmp/cur.png"
convert "$tmp/cur.png" "$tmp/outfit3.png" -geometry +88+114 -composite "$tmp/screen.png"
convert "$tmp/sheet.png" "$tmp/screen.png" -gravity center -background '#404040' -append "$out"
