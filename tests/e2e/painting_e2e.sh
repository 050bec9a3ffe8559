#!/usr/bin/env bash
# End to end under a private X server: a colouring page from the painting
# balloon, a red fill inside the cloud, a blue stroke with the button held, a
# rectangle by two clicks, undo, and a clean sheet after Bafo asks.
#   tests/e2e/painting_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
page="$data/BAFO_CS/OMALKY/1/1.BMP"

colour_at() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
# Pixels of the canvas that are not white.
marked() { convert "$shots/$1.png" -crop 640x480+80+0 +repage -fill black +opaque white -format '%[fx:(1-mean)*w*h]' info:; }

start_program
to_menu
click 100 210  # the painting balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148  # the cow
wait_trace "show frm_malovani" 5 && ok "the drawing opens the colouring book" || fail "no colouring book"
sleep 0.5
move 400 590
shot 01-page
same 01-page 80 0 640 480 "$page" && ok "the canvas shows the page" || fail "the canvas is not the page"

click 365 528  # the bucket
click 37 159   # red
click 225 80   # inside the cloud
move 400 590
shot 02-fill
[ "$(colour_at 02-fill 225 80)" = "FF3B30" ] && ok "the cloud is red" || fail "the cloud is $(colour_at 02-fill 225 80), not red"
[ "$(colour_at 02-fill 225 25)" = "FF3B30" ] && ok "the whole cloud is red" || fail "the top of the cloud is $(colour_at 02-fill 225 25)"
[ "$(colour_at 02-fill 400 60)" = "FFFFFF" ] && ok "the sky stayed white" || fail "the fill leaked into the sky"
[ "$(diff_region 02-fill 80 0 640 480 "$page")" -gt 5000 ] && ok "only the cloud changed" || fail "too little changed"
outline=$(convert "$shots/02-fill.png" -crop 640x480+80+0 +repage -fill white +opaque black -fill black -opaque black -format '%[fx:(1-mean)*w*h]' info:)
original=$(convert "$page" -fill white +opaque black -format '%[fx:(1-mean)*w*h]' info:)
[ "${outline%.*}" = "${original%.*}" ] && ok "the lines are still black ($outline pixels)" || fail "the lines changed: $outline black pixels, the page has $original"

click 148 528  # the pencil
click 762 72   # blue
xdotool mousemove --window "$win" 480 445 mousedown 1
for x in $(seq 490 10 640); do xdotool mousemove --window "$win" "$x" $((445 + (x - 480) / 16)); sleep 0.02; done
xdotool mouseup 1
move 400 590
shot 03-stroke
[ "$(colour_at 03-stroke 560 450)" = "2F7DF6" ] && ok "the stroke is blue" || fail "no blue stroke at 560,450: $(colour_at 03-stroke 560 450)"

click 735 530  # the rectangle
click 100 330
move 170 390
shot 04-preview
click 170 390
move 400 590
shot 05-rectangle
[ "$(colour_at 05-rectangle 101 360)" = "2F7DF6" ] && ok "the rectangle's side is blue" || fail "no rectangle side at 101,360"
[ "$(colour_at 05-rectangle 135 360)" = "FFFFFF" ] && ok "its inside is untouched" || fail "the rectangle's inside is painted"

click 420 580  # undo
move 400 590
shot 06-undo
[ "$(colour_at 06-undo 101 360)" = "FFFFFF" ] && ok "undo took the rectangle away" || fail "the rectangle is still there after undo"
[ "$(colour_at 06-undo 560 450)" = "2F7DF6" ] && ok "the stroke stayed" || fail "undo took more than the last step"

click 475 580  # a clean sheet?
wait_trace "sound .*06A.WAV" 5 && ok "Bafo asks before clearing" || fail "no question"
sleep 0.5
shot 07-question
click 406 458  # yes
move 400 590
shot 08-clean
[ "$(marked 08-clean)" = "0" ] && ok "yes gives a white sheet" || fail "the sheet is not white: $(marked 08-clean) marked pixels"

click 40 580  # back to the chooser
wait_trace "unload frm_malovani" 3 && ok "back leaves the colouring book" || fail "back did not leave"
sleep 0.3
click 65 568
sleep 0.3
leave_program
finish
