#!/usr/bin/env bash
# End to end under a private X server: a tour from the menu through every
# screen and back. Each screen must really show (its picture in the trace, its
# own background on the screenshot), say nothing in a message box, and leave
# the program where it came from.
#   tests/e2e/tour_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
cs="$data/BAFO_CS"
t0=$(date +%s)

# The number of the next line the trace will write.
n=0
# Where the pointer rests on each screen: on nothing that lights up.
declare -A rest=([frm_select]="790 590" [frm_sel_pic]="790 300" [frm_puzzle]="780 300" [frm_15]="780 300"
    [frm_kostky]="780 300" [frm_colorize]="780 300" [frm_tetris]="780 300" [frm_malovani]="400 590"
    [frm_foto_album]="400 300" [frm_pex_sel]="400 590" [frm_pexeso]="790 300" [frm_krejci]="790 40"
    [frm_klavir]="400 300" [frm_jukebox]="600 100" [frm_tabulka]="400 560")
# Part of each screen that shows its background bitmap untouched: x y w h file fx fy
# (the region of the screen, the bitmap, and where the region lies in the bitmap).
declare -A bg=(
    [frm_select]="650 0 150 200 $cs/SELECT/BG1.BMP 650 0"
    [frm_sel_pic]="0 0 110 500 $cs/ALBUM/BG.BMP 0 0"
    [frm_puzzle]="0 60 80 440 $cs/PUZZLE/BG.BMP 0 60"
    [frm_15]="0 60 80 440 $cs/15/BG.BMP 0 60"
    [frm_kostky]="0 60 80 440 $cs/KOSTKY/BG.BMP 0 60"
    [frm_colorize]="0 60 80 440 $cs/COLORIZE/BG.BMP 0 60"
    [frm_tetris]="0 375 320 140 $cs/TETRIS/BG.BMP 0 375"
    [frm_malovani]="0 0 80 480 $cs/OMALKY/BG.BMP 0 0"
    [frm_foto_album]="0 0 800 20 $cs/OMALKY/OST/A_BG.BMP 0 0"
    [frm_pex_sel]="0 0 800 600 $cs/PEXESO/SEL/SEL_BG.BMP 0 0"
    [frm_pexeso]="0 0 800 50 $cs/PEXESO/BG.BMP 0 0"
    [frm_krejci]="0 0 800 600 $cs/KREJCI/BG.BMP 0 0"
    [frm_klavir]="80 60 640 360 $cs/MUSIC/BG.BMP 80 60"
    [frm_jukebox]="244 163 315 325 $cs/MUSIC/JUKEBOX/JB_BG1.BMP 0 0"
    [frm_tabulka]="153 102 150 380 $cs/TABULKA/TAB_PUZ.BMP 10 10"
)
# Pixels differing between a region of a screenshot and a region of a bitmap, in one process.
region_diff() { # shot x y w h file fx fy
    compare -metric AE "$shots/$1.png[$4x$5+$2+$3]" "$6[$4x$5+$7+$8]" null: 2>&1 | cut -d' ' -f1
}
# Screenshot NN-NAME of screen FORM, with the pointer at rest; checks its background.
look() { # name form
    local x y w h f fx fy d
    n=$((n + 1))
    name=$(printf '%02d-%s' "$n" "$1")
    read -r x y <<<"${rest[$2]}"
    move "$x" "$y"
    shot "$name"
    read -r x y w h f fx fy <<<"${bg[$2]}"
    d=$(region_diff "$name" "$x" "$y" "$w" "$h" "$f" "$fx" "$fy")
    [ "$d" = "0" ] && ok "$name: $2 shows $(basename "$f") at $x,$y ${w}x$h" \
        || fail "$name: $2 does not show $(basename "$f") at $x,$y ${w}x$h ($d pixels differ)"
}
# Clicks X Y and expects screen FORM to come up on top; its screenshot is NN-NAME.
open_screen() { # name form x y
    local from
    from=$(lines)
    click "$3" "$4"
    if wait_after "$from" "^[0-9]* present $2\$" 8; then ok "the click at $3,$4 presents $2"
    else fail "the click at $3,$4 did not present $2 (trace: $(tail -n +"$from" "$work/trace" | tr '\n' '|'))"; fi
    wait_after "$from" "^[0-9]* activate $2\$" 8 || fail "$2 never took input"
    sleep 0.2
    look "$1" "$2"
}
# Clicks X Y on a screen to go back to FORM, whose earlier screenshot SHOT it must look like again.
go_back() { # name form x y shot
    local from
    from=$(lines)
    click "$3" "$4"
    if wait_after "$from" "^[0-9]* present $2\$" 8; then ok "back at $3,$4 returns to $2"
    else fail "back at $3,$4 did not return to $2 (trace: $(tail -n +"$from" "$work/trace" | tr '\n' '|'))"; fi
    wait_after "$from" "^[0-9]* activate $2\$" 8 || fail "$2 did not take input again"
    sleep 0.2
    look "$1" "$2"
    local d
    d=$(region_diff "$name" 0 0 800 600 "$shots/$5.png" 0 0)
    [ "$d" = "0" ] && ok "$name: $2 is as it was ($5)" || fail "$name: $2 differs from $5 in $d pixels"
}

start_program
n=1
shot 01-welcome
same 01-welcome 0 0 800 600 "$cs/SELECT/ENTER.BMP" && ok "01-welcome: the welcome picture" || fail "01-welcome differs from ENTER.BMP"
to_menu
look menu frm_select
menu=$name

# The picture games, each through the picture chooser; the jigsaw also shows its best results.
for g in "jigsaw frm_puzzle 603 145 60 568" "fifteen frm_15 435 515 60 568" "cubes frm_kostky 253 83 63 565" \
    "mosaic frm_colorize 460 68 63 568" "blocks frm_tetris 120 370 60 568"; do
    read -r game form bx by backx backy <<<"$g"
    open_screen "$game-chooser" frm_sel_pic "$bx" "$by"
    chooser=$name
    open_screen "$game" "$form" 198 148
    if [ "$form" = frm_puzzle ]; then
        screen=$name
        open_screen results frm_tabulka 33 25
        go_back "$game-again" "$form" 616 130 "$screen"
    fi
    go_back "$game-back-to-chooser" frm_sel_pic "$backx" "$backy" "$chooser"
    go_back "$game-back-to-menu" frm_select 65 568 "$menu"
done

# Painting, and its album.
open_screen painting-chooser frm_sel_pic 100 210
chooser=$name
open_screen painting frm_malovani 198 148
easel=$name
open_screen album frm_foto_album 770 580
go_back painting-again frm_malovani 50 580 "$easel"
go_back painting-back-to-chooser frm_sel_pic 40 580 "$chooser"
go_back painting-back-to-menu frm_select 65 568 "$menu"

# Memory, through its set chooser.
open_screen memory-sets frm_pex_sel 628 448
sets=$name
open_screen memory frm_pexeso 515 183
go_back memory-back-to-sets frm_pex_sel 58 571 "$sets"
go_back memory-back-to-menu frm_select 63 565 "$menu"

open_screen dress-up frm_krejci 680 280
go_back dress-up-back-to-menu frm_select 63 568 "$menu"

# The music studio and its jukebox.
open_screen studio frm_klavir 248 490
studio=$name
open_screen jukebox frm_jukebox 408 23
# The coin goes back only with a record chosen: the first one.
click 302 213
go_back studio-again frm_klavir 299 436 "$studio"
go_back studio-back-to-menu frm_select 45 573 "$menu"

# The exit question, yes, and the farewell.
move 790 590
from=$(lines)
click 373 303
wait_after "$from" "sound .*KONEC.WAV" 5 && ok "the exit question is asked" || fail "no exit question"
sleep 0.4
n=$((n + 1)); name=$(printf '%02d-%s' "$n" exit-question)
shot "$name"
d=$(region_diff "$name" 0 0 800 600 "$shots/$menu.png" 0 0)
[ "$d" != "0" ] && ok "$name: something is over the menu ($d pixels)" || fail "$name: the menu shows no question"
d=$(region_diff "$name" 178 183 100 100 "$cs/SELECT/OTAZKA.BMP" 8 8)
[ "$d" = "0" ] && ok "$name: the question panel OTAZKA.BMP at 170,175" || fail "$name: no question panel at 170,175 ($d pixels differ)"
from=$(lines)
click 220 205
wait_after "$from" "present frm_black" 5 && ok "yes presents the farewell" || fail "yes did not present the farewell"
sleep 0.4
n=$((n + 1)); name=$(printf '%02d-%s' "$n" farewell)
shot "$name"
same "$name" 0 0 800 600 "$cs/SELECT/EXIT.BMP" && ok "$name: the farewell picture" || fail "$name differs from EXIT.BMP"
click 400 300
for _ in $(seq 1 40); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
if kill -0 $pid 2>/dev/null; then fail "the program did not end after the farewell click"
else wait $pid; code=$?; [ $code -eq 0 ] && ok "ended with status 0" || fail "ended with status $code"; fi

grep -q '^[0-9]* message' "$work/trace" && fail "a message box: $(grep '^[0-9]* message' "$work/trace" | head -n 3 | tr '\n' '|')" \
    || ok "no message box"
[ -s "$work/stderr" ] && fail "the program wrote to stderr: $(head -n 3 "$work/stderr" | tr '\n' '|')" || ok "nothing on stderr"
cp "$work/trace" "$shots/trace.txt"
echo "the tour took $(( $(date +%s) - t0 )) s"
finish
