#!/usr/bin/env bash
# End to end under a private X server: the picture chooser for painting and
# for the fifteen puzzle, its wheel through all six sets, and back.
#   tests/e2e/chooser_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
album="$data/BAFO_CS/ALBUM"
thumbs=("113 84" "113 235" "113 386" "314 9" "314 160" "314 311" "314 462" "515 84" "515 235" "515 386")

# Do the thumbnails on the screenshot show set $2, drawings ($3 = CB) or photographs ($3 empty)?
shows_set() {
    local s=$1 n=$2 kind=$3 i=1 f
    for xy in "${thumbs[@]}"; do
        read -r x y <<<"$xy"
        if [ -n "$kind" ]; then f="$album/${n}CB/$i.BMP"; else f="$album/$n/POZADI$i.BMP"; fi
        same "$s" "$x" "$y" 168 125 "$f" || return 1
        i=$((i + 1))
    done
}
# Turns the wheel six times, checking each set and the wheel's own face.
round_the_wheel() { # kind label
    local kind=$1 label=$2 start=$3 k n
    for k in 1 2 3 4 5 6; do
        n=$(( (start + k - 1) % 6 + 1 ))
        click 745 548
        shot "$label-set$n-on-wheel"
        same "$label-set$n-on-wheel" 703 506 $(identify -format '%w %h' "$album/SEL_$n.BMP") "$album/SEL_$n.BMP" \
            && ok "$label: the wheel under the pointer shows set $n" || fail "$label: the wheel under the pointer does not show set $n"
        move 790 300
        shot "$label-set$n"
        shows_set "$label-set$n" "$n" "$kind" && ok "$label: set $n shown" || fail "$label: set $n not shown"
        same "$label-set$n" 703 506 $(identify -format '%w %h' "$album/SEL_$n.BMP") "$album/SEL_$n.BMP" \
            && ok "$label: moving off leaves set $n's wheel" || fail "$label: moving off shows another wheel"
    done
}

start_program
to_menu
click 100 210  # the painting balloon
wait_trace "show frm_sel_pic" 5 || fail "the painting balloon opened no chooser"
sleep 0.3
move 790 300
shot drawings-first
shows_set drawings-first 1 CB && ok "painting opens line drawings of set 1" || fail "painting does not open line drawings"
round_the_wheel CB drawings 1
same drawings-set1 0 0 800 600 "$shots/drawings-first.png" && ok "six turns come back to the first set" || fail "six turns did not come back"
click 65 568  # back
wait_trace "show frm_select" 5
sleep 0.3
move 790 590
shot back-on-menu
same back-on-menu 0 0 800 600 "$data/BAFO_CS/SELECT/BG1.BMP" && fail "back did not reach the menu with its balloons" || ok "back returns to the menu"
click 435 515  # the fifteen balloon: photographs of the same set
sleep 0.5
move 790 300
shot photos-first
shows_set photos-first 1 "" && ok "fifteen opens photographs of the same set" || fail "fifteen does not open photographs of set 1"
round_the_wheel "" photos 1
click 198 148  # a thumbnail: the fifteen puzzle opens with it
wait_trace "chosen .*ANIM/1/POZADI1.BMP" 3 && ok "thumbnail 1 chosen" || fail "thumbnail click not recorded"
wait_trace "show frm_15" 3 && ok "the fifteen puzzle opens" || fail "the fifteen puzzle did not open"
sleep 0.3
click 63 568  # the game's back icon
wait_trace "unload frm_15" 3
sleep 0.3
click 65 568  # the chooser's back
sleep 0.3
leave_program
finish
