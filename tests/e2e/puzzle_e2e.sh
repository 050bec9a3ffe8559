#!/usr/bin/env bash
# End to end under a private X server: the jigsaw from its balloon, its three
# levels, a shuffle by a click, and one drag that exchanges two cells.
#   tests/e2e/puzzle_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
dir="$data/BAFO_CS/PUZZLE"
pic="$data/BAFO_CS/ANIM/1/POZADI1.BMP"

start_program
to_menu
click 603 145  # the jigsaw balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148  # thumbnail 1
wait_trace "show frm_puzzle" 5 && ok "the thumbnail opens the jigsaw" || fail "no jigsaw"
sleep 0.5
move 780 300
shot 01-picture
same 01-picture 80 31 640 480 "$pic" && ok "the chosen picture fills the picture area" || fail "the picture area does not show the chosen picture"
for l in 2 3 1; do
    click 213 560
    move 780 300
    shot "02-level-$l"
    same "02-level-$l" 177 515 $(size_of "$dir/SLOZ_$l.BMP") "$dir/SLOZ_$l.BMP" \
        && ok "the level icon shows level $l" || fail "the level icon does not show level $l"
done
click 400 300  # a press on the picture: 500 exchanges
sleep 0.3
move 780 300
shot 03-shuffled
same 03-shuffled 80 31 640 480 "$pic" && fail "the click did not shuffle" || ok "the click shuffled the pieces"
# One drag with the button held, from cell 0 to cell 6 (level 1: 128 x 120 cells).
xdotool mousemove --window "$win" 144 91 mousedown 1
sleep 0.2
xdotool mousemove --window "$win" 200 150
sleep 0.1
xdotool mousemove --window "$win" 272 211
sleep 0.2
shot 04-dragging
xdotool mouseup 1
sleep 0.3
move 780 300
shot 05-dropped
same 05-dropped 80 31 128 120 "$shots/03-shuffled.png" 208 151 && same 05-dropped 208 151 128 120 "$shots/03-shuffled.png" 80 31 \
    && ok "the drag exchanged the two cells" || fail "the drag did not exchange the two cells"
same 05-dropped 336 31 384 480 "$shots/03-shuffled.png" 336 31 && ok "the rest of the board stayed" || fail "the drag changed other cells"
click 60 568  # back to the chooser
wait_trace "unload frm_puzzle" 3 && ok "back leaves the game" || fail "back did not leave the game"
sleep 0.3
click 65 568
sleep 0.3
leave_program
finish
