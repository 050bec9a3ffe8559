#!/usr/bin/env bash
# End to end under a private X server: the dress-up balloon, Bafo dressed by a
# click on his feet, head, chest and hips and then at random (each change only
# where he stands), the five funny clips, his help, the printer panel
# cancelled, and back to the menu.
#   tests/e2e/dress_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
dir="$data/BAFO_CS/KREJCI"

# Pixels differing between two screenshots outside (or inside) the rectangle X,Y,W,H.
outside() { # shot1 shot2 x y w h
    local r="rectangle $3,$4 $(($3 + $5 - 1)),$(($4 + $6 - 1))"
    convert "$shots/$1.png" -fill black -draw "$r" "$work/a.ppm"
    convert "$shots/$2.png" -fill black -draw "$r" "$work/b.ppm"
    compare -metric AE "$work/a.ppm" "$work/b.ppm" null: 2>&1 | cut -d' ' -f1
}
inside() { diff_region "$1" "$3" "$4" "$5" "$6" "$shots/$2.png" "$3" "$4"; }
# The number of the next line the trace will write.
rest() { move 790 40; }

for f in BG.BMP NAHYBAFO.BMP TISK_BFO.BMP BAFO_ANI.BMP ZPET.BMP TISK.BMP ZAMI.BMP BAFO.BMP \
    OBLEKY/BOTY/BOTY1.BMP OBLEKY/HLAVY/HLAVA1.BMP OBLEKY/TRIKA/TRIKO1.BMP OBLEKY/TRENKY/TRENKY1.BMP; do
    [ -f "$dir/$f" ] || fail "the tree has no KREJCI/$f"
done
[ -f "$data/BAFO_CS/REC/OBLEKANI.WAV" ] || fail "the tree has no REC/OBLEKANI.WAV"
# Where Bafo is composed: his picture's size at (88, 114), or the place the screen uses without it.
if [ -f "$dir/NAHYBAFO.BMP" ]; then read -r bw bh < <(size_of "$dir/NAHYBAFO.BMP"); else bw=219 bh=302; fi
bafo="88 114 $bw $bh"

start_program
to_menu
click 680 280  # the dress-up balloon
wait_trace "show frm_krejci" 5 && ok "the dress-up balloon opens the dress-up" || { fail "no dress-up"; finish; exit 1; }
sleep 0.5
rest
shot 01-undressed
if [ -f "$dir/BG.BMP" ]; then
    same 01-undressed 0 0 800 600 "$dir/BG.BMP" && ok "the screen shows its background" || fail "the screen is not BG.BMP"
fi

prev=01-undressed n=2
for spot in "boots 196 398" "hat 179 192" "shirt 203 270" "shorts 198 329" "hat 179 192"; do
    read -r what x y <<<"$spot"
    from=$(lines)
    click "$x" "$y"
    wait_after "$from" "dress: $what " 3 || fail "no $what put on"
    rest
    name="0$n-$what"
    shot "$name"
    [ "$(inside "$prev" "$name" $bafo)" != "0" ] && ok "a click on the $what's place dresses Bafo" \
        || fail "a click on the $what's place changed nothing where Bafo stands"
    [ "$(outside "$prev" "$name" $bafo)" = "0" ] && ok "nothing changed beside Bafo" \
        || fail "the $what changed $(outside "$prev" "$name" $bafo) pixels beside Bafo"
    prev=$name n=$((n + 1))
done
tail -n 1 < <(grep ' dress: hat ' "$work/trace") | grep -q ' dress: hat 2$' && ok "the second hat follows the first" \
    || fail "the second click on the head did not give hat 2"

from=$(lines)
click 553 558  # the random outfit
wait_after "$from" "dress: random" 3 || fail "no random outfit"
rest
shot 07-random
tail -n +"$from" "$work/trace" | grep -Eq ' dress: random( ([1-9]|10)){4}$' && ok "the random outfit dresses all four" \
    || fail "the random outfit left a garment out: $(grep ' dress: random' "$work/trace" | tail -n 1)"
[ "$(outside "$prev" 07-random $bafo)" = "0" ] && ok "the random outfit changed nothing beside Bafo" \
    || fail "the random outfit changed pixels beside Bafo"

# The funny clips: two moments of each differ, and the room is whole after it.
i=0
for spot in "STOJKA 655 358" "ZASUVKA 598 300" "PTAK 680 260" "MYSI 420 135" "KRYSA 565 118"; do
    read -r clip x y <<<"$spot"
    i=$((i + 1))
    rest
    shot "08-before-$clip"
    from=$(lines)
    click "$x" "$y"
    if ! wait_after "$from" "^[0-9]* clip .*$clip\.DAT" 3; then
        fail "the $clip clip did not play$([ -f "$dir/$clip.DAT" ] || echo ": the tree has no KREJCI/$clip.DAT")"
        continue
    fi
    # Moments of the clip, each kept only when the clip had not ended after it.
    during=()
    for m in 1 2 3 4; do
        sleep 0.15
        shot "08-during-$clip-$m"
        tail -n +"$from" "$work/trace" | grep -q "dress: clip over" && break
        during+=("08-during-$clip-$m")
    done
    wait_after "$from" "dress: clip over" 30 || fail "the $clip clip did not end"
    sleep 0.2
    rest
    shot "08-after-$clip"
    moved=0
    for d in "${during[@]:1}"; do
        same "${during[0]}" 0 0 800 600 "$shots/$d.png" || moved=1
    done
    [ $moved -eq 1 ] && ok "the $clip clip moves (${#during[@]} moments seen)" \
        || fail "the $clip clip did not move (${#during[@]} moments seen)"
    same "08-after-$clip" 0 0 800 600 "$shots/08-before-$clip.png" && ok "the room is whole after the $clip clip" \
        || fail "the room is not whole after the $clip clip"
done

from=$(lines)
click 768 558  # Bafo explains
wait_after "$from" "sound .*OBLEKANI.WAV" 3 && ok "Bafo explains the screen" || fail "no help voice"
wait_after "$from" "dress: help over" 30 || fail "the help did not end"

rest
shot 09-before-print
from=$(lines)
click 295 563  # print
wait_after "$from" "printer panel" 3 && ok "the print icon shows the printer panel" || fail "no printer panel"
sleep 0.3
shot 10-panel
click 570 413  # cancel
sleep 0.3
rest
shot 11-cancelled
tail -n +"$from" "$work/trace" | grep -q ' printed ' && fail "cancel printed" || ok "cancel prints nothing"
same 11-cancelled 0 0 800 600 "$shots/09-before-print.png" && ok "cancel leaves the screen as it was" \
    || fail "the screen changed after a cancelled print"

from=$(lines)
click 63 568  # back
wait_after "$from" "unload frm_krejci" 3 && ok "back leaves the dress-up" || fail "back did not leave"
wait_after "$from" "activate frm_select" 3 && ok "back shows the menu" || fail "no menu after back"
grep -q ' message ' "$work/trace" && fail "a message box: $(grep ' message ' "$work/trace" | head -n 1)" || ok "no message box"
sleep 0.3
leave_program
# The trace beside the screenshots, for whoever reads a failure.
cp "$work/trace" "$shots/trace.txt"
finish
