#!/usr/bin/env bash
# End to end under a private X server: the real program, driven by xdotool,
# looked at through screenshots compared with the data tree's own bitmaps.
#   tests/e2e/menu_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
# Run it through scripts/with-xvfb.
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"

start_program
shot 01-welcome
same 01-welcome 0 0 800 600 "$sel/ENTER.BMP" && ok "welcome picture pixel for pixel" || fail "welcome picture differs from ENTER.BMP"

click 400 300
wait_trace "activate frm_select" 3 || { click 400 300; wait_trace "activate frm_select" 5; } || fail "no menu after the click"
# Balloons appear one by one: count the balloons drawn over the background, twice.
balloons_drawn() {
    local n=0 i=1
    while read -r x y; do
        read -r w h < <(size_of "$sel/BALO_$i.BMP")
        same "$1" "$x" "$y" "$w" "$h" "$sel/BG1.BMP" "$x" "$y" || n=$((n + 1))
        i=$((i + 1))
    done < <(tr -d '\r' <"$sel/POS.DAT" | tr ',' ' ')
    echo "$n"
}
sleep 0.6
shot 02-intro-early
early=$(balloons_drawn 02-intro-early)
sleep 1.6
shot 03-intro-later
later=$(balloons_drawn 03-intro-later)
if [ "$early" -ge 1 ] && [ "$early" -lt 9 ] && [ "$later" -gt "$early" ]; then ok "balloons appear one by one ($early, then $later)"
else fail "balloons did not appear one by one ($early, then $later)"; fi
wait_trace "sound .*UVOD.WAV" 10 || fail "no greeting"
shot 04-greeting
# A click on the background stops the greeting.
click 790 590
sleep 0.5
move 790 590
shot 05-menu
same 05-menu 0 0 800 600 "$sel/BG1.BMP" && fail "the menu shows no balloons" || ok "menu with balloons"

# Hover every balloon, then the background.
mapfile -t pos < <(tr -d '\r' <"$sel/POS.DAT" | tr ',' ' ')
centres=("253 83" "460 68" "603 145" "680 280" "628 448" "435 515" "248 490" "120 370" "100 210")
for k in 0 1 2 3 4 5 6 7 8; do
    read -r x y <<<"${pos[$k]}"
    read -r cx cy <<<"${centres[$k]}"
    n=$((k + 1))
    read -r w h < <(size_of "$sel/ICO_$n.BMP")
    move "$cx" "$cy"
    shot "06-hover-$n"
    same "06-hover-$n" "$x" "$y" "$w" "$h" "$sel/ICO_$n.BMP" && ok "balloon $n lit" || fail "balloon $n not lit"
    move 790 590
    shot "07-left-$n"
    same "07-left-$n" 0 0 800 600 "$shots/05-menu.png" && ok "balloon $n restored exactly" || fail "balloon $n not restored"
done

# The exit question: no, then yes.
click 373 303
wait_trace "sound .*KONEC.WAV" 5 || fail "no exit question"
sleep 0.3
shot 08-question
same 08-question 0 0 800 600 "$shots/05-menu.png" && fail "no question panel" || ok "question panel shown"
# The question blocks while Bafo speaks; a click on the panel cuts him short.
click 182 235
move 220 205
shot 09-question-yes-lit
same 09-question-yes-lit 194 187 "$(size_of "$sel/ANO_1.BMP" | cut -d' ' -f1)" "$(size_of "$sel/ANO_1.BMP" | cut -d' ' -f2)" "$sel/ANO_1.BMP" \
    && ok "yes lights up" || fail "yes does not light up"
move 220 263
shot 10-question-no-lit
same 10-question-no-lit 194 246 "$(size_of "$sel/NE_1.BMP" | cut -d' ' -f1)" "$(size_of "$sel/NE_1.BMP" | cut -d' ' -f2)" "$sel/NE_1.BMP" \
    && ok "no lights up" || fail "no does not light up"
click 220 263
sleep 0.3
move 790 590
shot 11-after-no
same 11-after-no 0 0 800 600 "$shots/05-menu.png" && ok "no returns to the menu as it was" || fail "menu differs after no"
read -r x y <<<"${pos[5]}"
read -r w h < <(size_of "$sel/ICO_6.BMP")
move 435 515
shot 12-hover-after-no
same 12-hover-after-no "$x" "$y" "$w" "$h" "$sel/ICO_6.BMP" && ok "menu works after no" || fail "balloons dead after no"
move 790 590
click 373 303
wait_trace "sound .*KONEC.WAV.*" 5
sleep 0.3
click 220 205
wait_trace "present frm_black" 5
sleep 0.4
shot 13-farewell
same 13-farewell 0 0 800 600 "$sel/EXIT.BMP" && ok "farewell picture pixel for pixel" || fail "farewell differs from EXIT.BMP"
click 400 300
for _ in $(seq 1 40); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
if kill -0 $pid 2>/dev/null; then fail "the program did not end after the farewell click"
else wait $pid; code=$?; [ $code -eq 0 ] && ok "ended with status 0" || fail "ended with status $code"; fi
grep -q "^[0-9]* end 0" "$work/trace" && ok "trace ends with end 0" || fail "no end in the trace"
finish
