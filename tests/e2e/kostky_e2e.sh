#!/usr/bin/env bash
# End to end under a private X server: the picture cubes from their balloon,
# their three levels, a shuffle by a click, and a click on a cube's left band
# that rolls that cube and no other.
#   tests/e2e/kostky_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
dir="$data/BAFO_CS/KOSTKY"

start_program
to_menu
click 253 83  # the cubes balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148  # thumbnail 1: the cubes build picture 2
wait_trace "show frm_kostky" 5 && ok "the thumbnail opens the cubes" || fail "no cubes"
sleep 0.5
move 780 300
shot 01-first-face
same 01-first-face 80 31 640 480 "$data/BAFO_CS/ANIM/1/POZADI2.BMP" && ok "the board shows the first face whole" \
    || fail "the board does not show the first face"
for l in 2 3 1; do
    click 215 563
    move 780 300
    shot "02-level-$l"
    same "02-level-$l" 177 515 $(size_of "$dir/SLOZ_$l.BMP") "$dir/SLOZ_$l.BMP" \
        && ok "the level icon shows level $l" || fail "the level icon does not show level $l"
done
click 400 300  # a shuffle
sleep 0.3
move 780 300
shot 03-shuffled
same 03-shuffled 80 31 640 480 "$shots/01-first-face.png" 80 31 && fail "the click did not shuffle" || ok "the click shuffled the cubes"
click 213 211  # the left band of cube 6 (row 2, column 2)
sleep 0.6
move 780 300
shot 04-rolled
same 04-rolled 208 151 128 120 "$shots/03-shuffled.png" 208 151 && fail "the cube did not roll" || ok "the cube rolled"
same 04-rolled 80 151 128 120 "$shots/03-shuffled.png" 80 151 && same 04-rolled 336 151 128 120 "$shots/03-shuffled.png" 336 151 \
    && same 04-rolled 208 31 128 120 "$shots/03-shuffled.png" 208 31 && ok "its neighbours stayed" || fail "a neighbour changed"
grep -q 'sound .*SVIST.WAV' "$work/trace" && ok "the roll has its swish" || fail "the roll was silent"
click 63 565  # back to the chooser
wait_trace "unload frm_kostky" 3 && ok "back leaves the game" || fail "back did not leave the game"
sleep 0.3
click 65 568
sleep 0.3
leave_program
finish
