#!/usr/bin/env bash
# End to end under a private X server: falling blocks from its balloon, its
# three levels, a game started by a click on the field, pieces falling and
# steered by the arrow keys, and the processor while a piece falls.
#   tests/e2e/tetris_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
dir="$data/BAFO_CS/TETRIS"

# The left edge of what is not black in the field's top 200 rows, in field pixels.
piece_x() {
    convert "$shots/$1.png" -crop 432x200+332+29 +repage -fuzz 1% -trim -format '%X' info: | tr -d '+'
}

start_program
to_menu
click 120 370  # the falling-blocks balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148
wait_trace "show frm_tetris" 5 && ok "the thumbnail opens falling blocks" || fail "no falling blocks"
sleep 0.5
move 780 300
shot 01-screen
[ "$(convert "$shots/01-screen.png" -crop 432x480+332+29 +repage -format '%[fx:maxima]' info:)" = "0" ] \
    && ok "the field is black" || fail "the field is not black"
for l in 2 3 1; do
    click 215 560
    move 780 300
    shot "02-level-$l"
    same "02-level-$l" 177 509 $(size_of "$dir/SLOZ_$l.BMP") "$dir/SLOZ_$l.BMP" \
        && ok "the level icon shows level $l" || fail "the level icon does not show level $l"
done
click 548 269  # the field: a game at level 1
sleep 0.6
shot 03-falling-a
sleep 1
shot 03-falling-b
same 03-falling-a 332 29 432 480 "$shots/03-falling-b.png" 332 29 && fail "nothing falls" || ok "the piece falls"
x0=$(piece_x 03-falling-b)
[ "$x0" = "216" ] && ok "the piece comes in column 5" || fail "the piece is at x $x0, not in column 5"
xdotool key Left
sleep 0.2
shot 04-left
x1=$(piece_x 04-left)
[ "$((x0 - x1))" = "54" ] && ok "the left arrow moves it 54 pixels" || fail "the left arrow moved it from $x0 to $x1"
xdotool key Right
xdotool key Right
sleep 0.2
shot 05-right
x2=$(piece_x 05-right)
[ "$((x2 - x1))" = "108" ] && ok "two right arrows move it 108 pixels" || fail "two right arrows moved it from $x1 to $x2"
# The processor while pieces fall at level 1 (a tick every 50 ms).
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
a=$(ticks); sleep 20; b=$(ticks)
pct=$(awk -v t=$((b - a)) -v hz="$(getconf CLK_TCK)" 'BEGIN{printf "%.2f", 100*t/hz/20}')
awk -v p="$pct" 'BEGIN{exit !(p < 3)}' && ok "falling pieces take $pct % of a core" || fail "falling pieces take $pct % of a core"
shot 06-after-20s
click 60 568  # back to the chooser
wait_trace "unload frm_tetris" 3 && ok "back leaves the game" || fail "back did not leave the game"
sleep 0.3
click 65 568
sleep 0.3
leave_program
finish
