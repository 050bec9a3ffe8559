#!/usr/bin/env bash
# End to end under a private X server with a real window manager: the program
# started without --window fills a screen that is not 800 x 600 with its
# picture scaled (black bars where the aspect differs), clicks at screen
# pixels land on the hot areas they cover, and the farewell gives the screen
# back and ends with 0. Runs on the display it is given, then once more on a
# wide one of its own (FULLSCREEN_WIDE, 1366x768 unless set; empty: none).
#   tests/e2e/fullscreen_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
here=$(cd "$(dirname "$0")" && pwd)
read -r W H < <(xwininfo -root | awk '/^  Width:/{w=$2} /^  Height:/{h=$2} END{print w, h}')
shots="$shots/${W}x$H"
source "$here/lib.sh"
prog_args=""
cs="$data/BAFO_CS"

# The window manager, before the program asks it for the whole screen.
source "$here/../wm.sh"
wm=""
trap 'kill $pid $wm 2>/dev/null; rm -rf "$work"' EXIT
start_wm && ok "openbox manages ${W}x$H" || { fail "openbox did not start"; finish; exit 1; }

# Where the program's 800 x 600 lands on the screen: scaled to fit, centred.
read -r s_num s_den < <(awk -v w="$W" -v h="$H" 'BEGIN{ if (w * 600 <= h * 800) print w, 800; else print h, 600 }')
pw=$((800 * s_num / s_den)) ph=$((600 * s_num / s_den))
ox=$(((W - pw) / 2)) oy=$(((H - ph) / 2))
echo "expected picture: ${pw}x$ph at $ox,$oy"
# Screen pixel of the centre of the program's pixel X, Y.
sx() { echo $((ox + ((2 * $1 + 1) * s_num) / (2 * s_den))); }
sy() { echo $((oy + ((2 * $1 + 1) * s_num) / (2 * s_den))); }
root_shot() { import -window root "$shots/$1.png"; }
# Clicks at the screen pixel that shows the program's pixel X, Y.
sclick() { xdotool mousemove "$(sx "$1")" "$(sy "$2")" click 1; sleep 0.2; }
smove() { xdotool mousemove "$(sx "$1")" "$(sy "$2")"; sleep 0.2; }
# The picture part of a root screenshot, scaled back to 800 x 600, against a
# bitmap: PSNR in dB (scaling both ways blurs, so never exact).
likeness() { # shot bitmap
    convert "$shots/$1.png" -crop "${pw}x$ph+$ox+$oy" +repage -resize '800x600!' "$work/back.ppm"
    compare -metric PSNR "$work/back.ppm" "$2" null: 2>&1 | cut -d' ' -f1
}
# Is the picture filling what it should, the bars (if any) black? Prints what is wrong.
check_frame() { # shot
    local box
    box=$(convert "$shots/$1.png" -fuzz 2% -trim -format '%w %h %X %Y' info: | tr -d '+')
    read -r bw bh bx by <<<"$box"
    if [ $((bw - pw)) -ge -2 ] && [ $((bw - pw)) -le 2 ] && [ $((bh - ph)) -ge -2 ] && [ $((bh - ph)) -le 2 ] \
        && [ $((bx - ox)) -ge -1 ] && [ $((bx - ox)) -le 1 ] && [ $((by - oy)) -ge -1 ] && [ $((by - oy)) -le 1 ]; then
        echo ok
    else
        echo "the picture covers ${bw}x$bh at $bx,$by, not ${pw}x$ph at $ox,$oy"
    fi
}
db_above() { awk -v a="$1" -v b="$2" 'BEGIN{ exit !(a == "inf" || a + 0 >= b) }'; }

start_program
# The welcome picture comes in a window and then takes the whole screen.
for _ in $(seq 1 60); do
    xprop -id "$win" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_FULLSCREEN && break
    sleep 0.05
done
xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && ok "the window asks for full screen" \
    || fail "the window is not full screen: $(xprop -id "$win" _NET_WM_STATE)"
read -r ww wh < <(xwininfo -id "$win" | awk '/^  Width:/{w=$2} /^  Height:/{h=$2} END{print w, h}')
[ "$ww $wh" = "$W $H" ] && ok "the window covers the screen (${ww}x$wh)" || fail "the window is ${ww}x$wh on a ${W}x$H screen"
sleep 0.5
root_shot 01-welcome
r=$(check_frame 01-welcome)
[ "$r" = ok ] && ok "the welcome picture fills ${pw}x$ph at $ox,$oy, the rest black" || fail "welcome: $r"
db=$(likeness 01-welcome "$cs/SELECT/ENTER.BMP")
other=$(likeness 01-welcome "$cs/SELECT/EXIT.BMP")
db_above "$db" 30 && ok "it is the welcome picture scaled ($db dB; the farewell would be $other dB)" \
    || fail "the screen is not ENTER.BMP scaled ($db dB, EXIT.BMP $other dB)"

from=$(lines)
sclick 400 300
wait_after "$from" "activate frm_select" 5 || { sclick 400 300; wait_after "$from" "activate frm_select" 5; } || fail "no menu after the click"
sleep 0.3
sclick 790 590  # the greeting skipped
sleep 0.3
smove 790 590
root_shot 02-menu
r=$(check_frame 02-menu)
[ "$r" = ok ] && ok "the menu fills the screen the same way" || fail "menu: $r"

# A balloon lit under the pointer and put out again: the parts drawn scaled
# alone must meet the rest of the screen without a seam.
smove 435 515
root_shot 02-balloon-lit
d=$(compare -metric AE "$shots/02-menu.png" "$shots/02-balloon-lit.png" null: 2>&1 | cut -d' ' -f1)
[ "$d" != 0 ] && ok "the balloon under the pointer lights up ($d pixels)" || fail "the balloon under the pointer did not light up"
smove 790 590
root_shot 02-balloon-out
d=$(compare -metric AE "$shots/02-menu.png" "$shots/02-balloon-out.png" null: 2>&1 | cut -d' ' -f1)
[ "$d" = 0 ] && ok "the screen is as it was after the pointer leaves" \
    || fail "$d pixels differ from the menu after the balloon went out (02-menu, 02-balloon-out)"

# A click 4 pixels left of the dress-up balloon's hot area {610, 205, 141, 151}
# (on the background), then one 3 pixels inside it: only the second opens it.
from=$(lines)
sclick 606 280
sleep 0.4
tail -n +"$from" "$work/trace" | grep -q "menu_click" && fail "a click 4 pixels left of the balloon opened: $(tail -n +"$from" "$work/trace" | grep menu_click)" \
    || ok "a click 4 pixels left of the dress-up balloon opens nothing"
from=$(lines)
sclick 613 280
wait_after "$from" "menu_click 3" 3 && ok "a click 3 pixels inside the dress-up balloon is balloon 3" || fail "the click inside the balloon was not taken"
wait_after "$from" "present frm_krejci" 5 && ok "the dress-up shows" || fail "no dress-up"
sleep 0.4
smove 790 40
root_shot 03-dress-up
db=$(likeness 03-dress-up "$cs/KREJCI/BG.BMP")
db_above "$db" 30 && ok "the dress-up fills the screen scaled ($db dB)" || fail "the screen is not the dress-up scaled ($db dB)"
from=$(lines)
sclick 63 568
wait_after "$from" "present frm_select" 5 && ok "back lands on the dress-up's back icon" || fail "back did not return to the menu"
sleep 0.3

# The exit question on Bafo, yes, the farewell.
smove 790 590
from=$(lines)
sclick 373 303
wait_after "$from" "sound .*KONEC.WAV" 5 && ok "a click on Bafo asks the exit question" || fail "no exit question"
sleep 0.3
from=$(lines)
sclick 220 205
wait_after "$from" "present frm_black" 5 && ok "yes lands on the yes button" || fail "yes did not reach the farewell"
sleep 0.5
root_shot 04-farewell
db=$(likeness 04-farewell "$cs/SELECT/EXIT.BMP")
db_above "$db" 30 && ok "the farewell fills the screen scaled ($db dB)" || fail "the farewell is not EXIT.BMP scaled ($db dB)"
sclick 400 300
for _ in $(seq 1 60); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
if kill -0 $pid 2>/dev/null; then fail "the program did not end after the farewell click"
else wait $pid; code=$?; [ $code -eq 0 ] && ok "ended with status 0" || fail "ended with status $code"; fi
read -r W2 H2 < <(xwininfo -root | awk '/^  Width:/{w=$2} /^  Height:/{h=$2} END{print w, h}')
[ "$W2 $H2" = "$W $H" ] && ok "the screen is still ${W}x$H" || fail "the screen is ${W2}x$H2 after the end, was ${W}x$H"
grep -q '^[0-9]* message' "$work/trace" && fail "a message box: $(grep '^[0-9]* message' "$work/trace" | head -n 3 | tr '\n' '|')" \
    || ok "no message box"
[ -s "$work/stderr" ] && fail "the program wrote to stderr: $(head -n 3 "$work/stderr" | tr '\n' '|')" || ok "nothing on stderr"
kill $wm 2>/dev/null
wait $wm 2>/dev/null
cp "$work/trace" "$shots/trace.txt"

# Once more on a wide screen of our own, where bars must appear.
wide=${FULLSCREEN_WIDE-1366x768}
if [ -z "${FULLSCREEN_INNER:-}" ] && [ -n "$wide" ] && [ "$wide" != "${W}x$H" ]; then
    echo "--- again on $wide"
    FULLSCREEN_INNER=1 XVFB_SIZE=$wide "$here/../../scripts/with-xvfb" "$0" "$prog" "$data" "$3" || fail "the run on $wide failed"
fi
finish
