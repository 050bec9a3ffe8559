#!/usr/bin/env bash
# End to end under a private X server: the memory balloon, set 2, a turned
# pair, the three layouts, a whole game played from what the screen shows, the
# name in the results table, and back to the menu.
#   tests/e2e/pexeso_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
pex="$data/BAFO_CS/PEXESO"
back="$pex/BACK.BMP"
read -r cw ch < <(size_of "$back")

# Top-left corner of card $2 (from 1) in a layout of $1 columns.
card_xy() { # columns card
    local cols=$1 c=$(($2 - 1))
    echo "$(( (800 - (cols * cw + (cols - 1) * 2)) / 2 + 4 + (c % cols) * (cw + 2) )) $(( 58 + (c / cols) * (ch + 1) ))"
}
click_card() { # columns card
    local x y
    read -r x y < <(card_xy "$1" "$2")
    click $((x + cw / 2)) $((y + ch / 2))
}
# Fingerprints of the faces of set 2, to know a card by what it shows.
declare -A face_id
for f in "$pex"/2/*.BMP; do
    face_id[$(convert "$f" ppm:- | md5sum | cut -d' ' -f1)]=$(basename "$f" .BMP)
done
# The face number card $3 shows in screenshot $1 (layout of $2 columns), or nothing.
face_on() { # shot columns card
    local x y
    read -r x y < <(card_xy "$2" "$3")
    echo "${face_id[$(convert "$shots/$1.png" -crop "${cw}x${ch}+$x+$y" +repage ppm:- | md5sum | cut -d' ' -f1)]:-}"
}

start_program
to_menu
click 628 448  # the memory balloon
wait_trace "show frm_pex_sel" 5 || fail "no set chooser"
sleep 0.3
click 515 183  # set 2
wait_trace "show frm_pexeso" 5 && ok "set 2 opens the memory game" || fail "no memory game"
sleep 0.5
move 790 300
shot 01-level-1
for c in 1 16; do
    read -r x y < <(card_xy 4 $c)
    same 01-level-1 "$x" "$y" "$cw" "$ch" "$back" && ok "card $c lies face down" || fail "card $c is not face down"
done

click_card 4 1
sleep 0.8
click_card 4 2
sleep 1.3
move 790 300
shot 02-turned-pair
a=$(face_on 02-turned-pair 4 1) b=$(face_on 02-turned-pair 4 2)
[ -n "$a" ] && [ -n "$b" ] && ok "both cards show faces of set 2 ($a, $b)" \
    || { [ "$(grep -c 'sound .*TUTUTU.WAV' "$work/trace")" -ge 1 ] && ok "the first two cards were a pair and left" \
    || fail "the turned cards show no face of set 2"; }

for level in 2 3 1; do
    click 281 568  # the level icon
    sleep 3
    move 790 300
    cols=$((3 + level))
    shot "03-level-$level"
    read -r x y < <(card_xy $cols $((4 * cols)))
    same "03-level-$level" "$x" "$y" "$cw" "$ch" "$back" && ok "level $level deals $((4 * cols)) cards" \
        || fail "the last card of level $level is not face down"
    # Below the last row of cards, which the icon's top rows lie under.
    read -r iw ih < <(size_of "$pex/SLOZ_$level.BMP")
    same "03-level-$level" 243 526 "$iw" $((ih - 17)) "$pex/SLOZ_$level.BMP" 0 17 \
        && ok "the level icon shows level $level" || fail "the level icon does not show level $level"
done

# A whole game at level 1, played like a child with a good memory: turn the
# cards two by two, remember the faces, then pick the pairs.
declare -A seen
for c in 1 3 5 7 9 11 13 15; do
    click_card 4 $c
    sleep 0.8
    click_card 4 $((c + 1))
    sleep 1.3
    move 790 300
    shot "04-pass-$c"
    for k in $c $((c + 1)); do
        f=$(face_on "04-pass-$c" 4 $k)
        [ -n "$f" ] && seen[$f]="${seen[$f]:-} $k"
    done
done
for f in "${!seen[@]}"; do
    read -r -a cards <<<"${seen[$f]}"
    [ ${#cards[@]} -eq 2 ] || continue
    click_card 4 "${cards[0]}"
    sleep 0.8
    click_card 4 "${cards[1]}"
    sleep 1.3
done
wait_trace "win PEX" 10 && ok "the game was won: $(grep -o 'win PEX [0-9]*' "$work/trace" | tail -n 1)" || fail "no win"
wait_trace "show frm_tabulka" 10 || fail "no results table"
sleep 0.5
xdotool type --delay 60 "Mila"
xdotool key Return
sleep 0.5
shot 05-results
won=$(grep -o 'win PEX [0-9]*' "$work/trace" | tail -n 1 | cut -d' ' -f3)
awk '/^\[/{s=$0} s=="[PEX1]" && /^POS[1-8]=Mila#'"$won"'\r?$/{f=1} END{exit !f}' "$data/VYSLEDKY.DAT" \
    && ok "the records keep Mila with $won attempts at level 1" || fail "the records do not keep the game"
click 615 129  # the table's back button
sleep 2.5
move 790 300
shot 06-next-deal
read -r x y < <(card_xy 4 1)
same 06-next-deal "$x" "$y" "$cw" "$ch" "$back" && ok "a new game is dealt after the table" || fail "no new deal after the table"

click 58 571  # back to the set chooser
wait_trace "show frm_pex_sel" 3 && ok "back returns to the set chooser" || fail "back did not return to the set chooser"
sleep 0.3
click 63 565  # and to the menu
sleep 0.5
leave_program
finish
