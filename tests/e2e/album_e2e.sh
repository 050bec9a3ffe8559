#!/usr/bin/env bash
# End to end under a private X server: a stroke on the colouring page goes
# into the album's first frame, the sheet is cleared, and opening the frame
# brings the stroke back; the printer panel says when there is no printer.
#   tests/e2e/album_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
# The family's pictures go to a home of our own, not the tester's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
echo 'XDG_PICTURES_DIR="$HOME/Obrazky"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
# No print service answers here: the panel must say there is no printer.
export CUPS_SERVER="$work/no-cups.sock"
rm -f "$data"/OMAL*.BMP "$data"/NAHL*.BMP
trap 'kill $pid 2>/dev/null; rm -f "$data"/OMAL*.BMP "$data"/NAHL*.BMP; rm -rf "$work"' EXIT

colour_at() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }
marked() { convert "$shots/$1.png" -crop 640x480+80+0 +repage -fill black +opaque white -format '%[fx:(1-mean)*w*h]' info:; }
yes_in_album() { click 216 450; }

start_program
to_menu
click 100 210  # the painting balloon
wait_trace "show frm_sel_pic" 5 || fail "no chooser"
sleep 0.3
click 198 148  # the cow
wait_trace "show frm_malovani" 5 || fail "no colouring book"
sleep 0.5
click 148 528  # the pencil
click 762 72   # blue
xdotool mousemove --window "$win" 480 445 mousedown 1
for x in $(seq 490 10 640); do xdotool mousemove --window "$win" "$x" $((445 + (x - 480) / 16)); sleep 0.02; done
xdotool mouseup 1
move 400 590
shot 01-stroke
[ "$(colour_at 01-stroke 560 450)" = "2F7DF6" ] && ok "the stroke is blue" || fail "no blue stroke"

click 770 580  # the album
wait_trace "show frm_foto_album" 5 && ok "the album icon opens the album" || fail "no album"
sleep 0.4
move 400 300
shot 02-album
click 150 88   # frame 1
click 525 578  # store
wait_trace "album: stored 1" 3 && ok "an empty frame is stored without a question" || fail "nothing stored"
move 400 300
shot 03-stored
[ -f "$data/OMAL1.BMP" ] && [ -f "$data/NAHL1.BMP" ] && ok "the painting and its thumbnail are written" || fail "no OMAL1/NAHL1"
same 03-stored 66 26 168 125 "$data/NAHL1.BMP" && ok "the thumbnail is on the page at once" || fail "the page does not show NAHL1"
ls "$HOME/Obrazky/Bafolino/"*-1.png >/dev/null 2>&1 && ok "a PNG copy is in the family's pictures" || fail "no PNG copy"
[ "$(identify -format '%w %h' "$HOME"/Obrazky/Bafolino/*-1.png 2>/dev/null)" = "640 480" ] || fail "the PNG copy is not 640 x 480"

click 763 580  # print
wait_trace "printer panel 0 printers" 3 && ok "print opens the panel" || fail "no printer panel"
sleep 0.4
move 560 410
shot 04-no-printer
click 570 413  # cancel
sleep 0.4
move 400 300
shot 05-after-cancel
same 05-after-cancel 0 0 800 600 "$shots/03-stored.png" && ok "cancel leaves the page as it was" || fail "the page changed after cancel"

click 50 580   # back
wait_trace "unload frm_foto_album" 3 && ok "back returns to the easel" || fail "back did not leave the album"
sleep 0.3
click 475 580  # a clean sheet?
wait_trace "sound .*06A.WAV" 5 || fail "no question"
sleep 0.3
click 406 458  # yes
move 400 590
shot 06-clean
[ "$(colour_at 06-clean 560 450)" = "FFFFFF" ] && ok "the sheet is clean" || fail "the stroke is still there"

click 770 580  # the album again
wait_trace "show frm_foto_album" 5 || fail "no album the second time"
sleep 0.4
click 150 88
click 285 578  # open
wait_trace "sound .*03A.WAV" 5 && ok "Bafo asks before opening" || fail "no question before opening"
sleep 0.3
move 230 455
shot 07-question
yes_in_album
wait_trace "unload frm_foto_album" 5 || fail "the album stayed after yes"
sleep 0.3
move 400 590
shot 08-opened
[ "$(colour_at 08-opened 560 450)" = "2F7DF6" ] && ok "the stroke is back on the easel" || fail "the stroke did not come back"
same 08-opened 80 0 640 480 "$data/OMAL1.BMP" && ok "the easel shows the stored painting exactly" || fail "the easel differs from OMAL1"

click 40 580   # back to the chooser
wait_trace "unload frm_malovani" 3 || fail "back did not leave"
sleep 0.3
click 65 568
sleep 0.3
grep -q "^[0-9]* message" "$work/trace" && fail "a message box: $(grep "^[0-9]* message" "$work/trace")"
leave_program
finish
