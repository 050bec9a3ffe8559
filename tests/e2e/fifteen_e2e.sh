#!/usr/bin/env bash
# End to end under a private X server: the typical game, from the menu's
# fifteen balloon through the chooser to a shuffled board and slides by clicks.
#   tests/e2e/fifteen_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
dir15="$data/BAFO_CS/15"
pic="$data/BAFO_CS/ANIM/1/POZADI1.BMP"

# The cell (0..15) of the board that is all black in a screenshot, or -1.
hole_of() {
    local s=$1 c x y
    for c in $(seq 0 15); do
        x=$((160 + 120 * (c % 4))); y=$((31 + 120 * (c / 4)))
        convert "$shots/$s.png" -crop "112x112+$((x + 4))+$((y + 4))" +repage "$work/cell.ppm"
        if [ "$(convert "$work/cell.ppm" -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)" = "0" ]; then echo "$c"; return; fi
    done
    echo -1
}
centre() { echo "$((160 + 120 * ($1 % 4) + 60)) $((31 + 120 * ($1 / 4) + 60))"; }

start_program
to_menu
click 435 515  # the fifteen balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148  # thumbnail 1 of the set shown
wait_trace "show frm_15" 5 && ok "the thumbnail opens the fifteen puzzle" || fail "no fifteen puzzle"
sleep 0.5
move 780 300
shot 01-picture
same 01-picture 80 31 640 480 "$pic" && ok "the chosen picture fills the picture area" || fail "the picture area does not show the chosen picture"
for l in 2 3 1; do
    click 215 560
    move 780 300
    shot "02-level-$l"
    same "02-level-$l" 177 515 $(identify -format '%w %h' "$dir15/SLOZ_$l.BMP") "$dir15/SLOZ_$l.BMP" \
        && ok "the level icon shows level $l" || fail "the level icon does not show level $l"
done
move 215 560
shot 03-level-lit
click 400 300  # the picture: a shuffle of 15 slides, 240 ms each
sleep 1.2
shot 04-shuffling-a
sleep 0.8
shot 05-shuffling-b
same 04-shuffling-a 80 31 640 480 "$shots/05-shuffling-b.png" 80 31 && fail "the shuffle is not visible" || ok "the shuffle moves visibly"
sleep 2.5
move 780 300
shot 06-shuffled
hole=$(hole_of 06-shuffled)
[ "$hole" -ge 0 ] && ok "the hole is at cell $hole" || fail "no hole on the shuffled board"
moves=0
for _ in 1 2 3; do
    [ "$hole" -ge 0 ] || break
    for n in $((hole - 1)) $((hole + 1)) $((hole - 4)) $((hole + 4)); do
        if [ $n -ge 0 ] && [ $n -le 15 ] && { [ $((n / 4)) -eq $((hole / 4)) ] || [ $((n % 4)) -eq $((hole % 4)) ]; }; then
            read -r cx cy < <(centre $n)
            click "$cx" "$cy"
            sleep 0.7
            moves=$((moves + 1))
            move 780 300
            shot "07-after-move-$moves"
            new=$(hole_of "07-after-move-$moves")
            [ "$new" = "$n" ] && ok "the tile from cell $n slid into the hole" || fail "clicking cell $n moved nothing (hole at $new)"
            hole=$new
            break
        fi
    done
done
[ "$(grep -c 'sound .*SVIST.WAV' "$work/trace")" -ge "$moves" ] && ok "every slide has its swish" || fail "slides without the swish"
click 60 568  # back to the chooser
wait_trace "unload frm_15" 3 && ok "back leaves the game" || fail "back did not leave the game"
sleep 0.3
click 65 568  # and to the menu
sleep 0.3
leave_program
finish
