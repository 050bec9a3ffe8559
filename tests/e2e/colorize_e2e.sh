#!/usr/bin/env bash
# End to end under a private X server: the mosaic from its balloon, its three
# levels, the grey board, and a coloured tile hanging under the pointer.
#   tests/e2e/colorize_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
dir="$data/BAFO_CS/COLORIZE"

# Pixels of a region whose red, green and blue differ.
coloured_pixels() { # shot x y w h
    convert "$shots/$1.png" -crop "$4x$5+$2+$3" +repage -fx 'abs(r-g)+abs(g-b)>0.02' -format '%[fx:mean*w*h]' info:
}

start_program
to_menu
click 460 68  # the mosaic balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148
wait_trace "show frm_colorize" 5 && ok "the thumbnail opens the mosaic" || fail "no mosaic"
sleep 0.5
move 780 300
shot 01-grey
[ "$(coloured_pixels 01-grey 80 31 640 480)" = "0" ] && ok "the board is grey" || fail "the board is not grey"
for l in 2 3 1; do
    click 215 563
    move 780 300
    shot "02-level-$l"
    same "02-level-$l" 177 515 $(size_of "$dir/SLOZ_$l.BMP") "$dir/SLOZ_$l.BMP" \
        && ok "the level icon shows level $l" || fail "the level icon does not show level $l"
done
click 400 300  # a game
sleep 0.3
move 420 310
sleep 0.3
shot 03-carrying
n=$(coloured_pixels 03-carrying 380 280 80 60)
[ "${n%.*}" -gt 100 ] && ok "a coloured tile hangs under the pointer" || fail "no coloured tile under the pointer ($n coloured pixels)"
click 63 568  # back to the chooser
wait_trace "unload frm_colorize" 3 && ok "back leaves the game" || fail "back did not leave the game"
sleep 0.3
click 65 568
sleep 0.3
leave_program
finish
