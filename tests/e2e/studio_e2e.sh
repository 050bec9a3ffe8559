#!/usr/bin/env bash
# End to end under a private X server: the music balloon, the studio, four
# letter keys, an instrument's highlight, a tune recorded and played back
# with Bafo dancing, and back to the menu. The notes are read from the trace.
#   tests/e2e/studio_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
music="$data/BAFO_CS/MUSIC"

# Pixels differing between the same region of two screenshots.
shots_differ() { # shot1 shot2 x y w h
    convert "$shots/$1.png" -crop "${5}x${6}+${3}+${4}" +repage "$work/a.ppm"
    convert "$shots/$2.png" -crop "${5}x${6}+${3}+${4}" +repage "$work/b.ppm"
    compare -metric AE "$work/a.ppm" "$work/b.ppm" null: 2>&1 | cut -d' ' -f1
}
# A note on or off as the trace writes it: sent, or with no MIDI device, unsent.
heard() { grep -Eq "^[0-9]+ midi(_unsent)? $1\$" "$work/trace"; }
heard_after() { # line note-message
    tail -n +"$1" "$work/trace" | grep -Eq "^[0-9]+ midi(_unsent)? $2\$"
}
# Waits until every dance that started has ended (at most $1 seconds).
dances_over() {
    for _ in $(seq 1 $(( ${1:-10} * 20 ))); do
        [ "$(grep -c ' clip .*TANCE' "$work/trace")" -eq "$(grep -c ' clip_end$' "$work/trace")" ] && return 0
        sleep 0.05
    done
    return 1
}
lines() { wc -l <"$work/trace"; }
press() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; sleep 0.15; }

start_program
to_menu
click 248 490  # the music balloon
wait_trace "show frm_klavir" 5 && ok "the music balloon opens the studio" || { fail "no studio"; finish; exit 1; }
sleep 0.8
if grep -q ' midi_open ' "$work/trace"; then ok "a MIDI device: $(grep ' midi_open ' "$work/trace" | tail -n 1 | cut -d' ' -f2-)"
else ok "no MIDI device: the studio plays without notes"; fi
heard "192 1 0" && ok "the piano is chosen" || fail "no piano program"

wait_trace "activate frm_klavir" 5 || fail "the studio never took input"
move 400 300  # the keys go to the window under the pointer
letters_heard() {
    n=0
    for note in 60 62 64 65; do
        heard_after "$from" "144 $note 127" && heard_after "$from" "144 $note 0" && n=$((n + 1))
    done
}
from=$(lines)
for k in a s d f; do press $k; done
letters_heard
# Keys lost on a busy machine are pressed once more.
if [ $n -eq 0 ]; then echo "no key heard: pressing them again"; from=$(lines); for k in a s d f; do press $k; done; letters_heard; fi
[ $n -eq 4 ] && ok "A S D F sound notes 60 62 64 65 and end them" || fail "only $n of the four letter keys were heard"
grep -q ' clip .*TANCE.BAFO[0-9]*\.DAT' "$work/trace" && ok "a key starts a dance" || fail "no dance after a key"
dances_over 20 || fail "the dance did not end"

move 400 300
shot 01-piano
click 38 120  # the trumpet
sleep 0.4
move 400 300
shot 02-trumpet
read -r pw ph < <(size_of "$music/N_KLAVI.BMP")
read -r tw th < <(size_of "$music/N_TRUMP.BMP")
same 01-piano 0 0 "$pw" "$ph" "$music/N_KLAVI.BMP" && ok "the piano is lit at first" || fail "the piano is not lit"
same 02-trumpet 0 86 "$tw" "$th" "$music/N_TRUMP.BMP" && ok "the trumpet is lit after its click" || fail "the trumpet is not lit"
[ "$(shots_differ 01-piano 02-trumpet 0 0 "$pw" "$ph")" != "0" ] && ok "the piano's highlight went" || fail "the piano still looks lit"
heard "192 56 0" && ok "the trumpet's program was sent" || fail "no trumpet program"

click 165 23  # record
for k in a s d; do press $k; done
click 295 23  # stop
dances_over 20 || fail "the dance did not end"
move 400 300
sleep 0.3
shot 03-before-play
from=$(lines)
click 230 23  # play
wait_trace " play 6$" 3 && ok "the tune of six events plays" || fail "no playback of six events"
for _ in $(seq 1 60); do tail -n +"$from" "$work/trace" | grep -q ' clip .*TANCE' && break; sleep 0.05; done
sleep 0.15
shot 04-dancing
script=$(tail -n +"$from" "$work/trace" | grep -o ' clip .*TANCE.*\.DAT' | tail -n 1 | cut -d' ' -f3-)
if [ -n "$script" ] && [ -f "$script" ]; then
    read -r dx dy dw dh < <(tr -d '\r' <"$script" | sed -n '2,5p' | tr '\n' ' ')
    d=$(shots_differ 03-before-play 04-dancing "$dx" "$dy" "$dw" "$dh")
    [ "$d" != "0" ] && ok "Bafo dances during the playback ($d pixels changed at $dx,$dy)" || fail "the dance area did not change"
else
    fail "no dance during the playback"
fi
sleep 1.5
n=0
for note in 72 74 76; do heard_after "$from" "144 $note 127" && n=$((n + 1)); done
[ $n -eq 3 ] && ok "the tune plays back on the trumpet an octave up" || fail "only $n of the three notes played back an octave up"

click 520 23  # the next rhythm
sleep 0.3
move 400 300
shot 05-rhythm-2
[ "$(shots_differ 03-before-play 05-rhythm-2 500 10 32 26)" != "0" ] && ok "the rhythm's number changes" \
    || fail "the rhythm's number did not change"
click 585 23  # rhythm on
wait_trace "wave .*RYTMY.COUNTRY.WAV" 3 && ok "rhythm 2 loops" || fail "rhythm 2 does not play"
sleep 1
click 585 23  # and off
sleep 0.3

click 760 573  # the key help
sleep 0.6
shot 06-key-help
[ "$(shots_differ 03-before-play 06-key-help 85 530 630 70)" != "0" ] && ok "the keys show their letters" \
    || fail "the key help shows nothing on the keys"
sleep 3
move 400 300
shot 07-after-help
[ "$(shots_differ 05-rhythm-2 07-after-help 85 530 630 70)" = "0" ] && ok "the letters go after three seconds" \
    || fail "the letters stayed on the keys"

click 45 573  # back
wait_trace "show frm_select" 5 && ok "back returns to the menu" || fail "back did not return to the menu"
wait_trace "unload frm_klavir" 3 && ok "the studio is unloaded" || fail "the studio stayed loaded"
if grep -q ' midi_open -\?[0-9]* 0$' "$work/trace"; then
    grep -q ' midi_close$' "$work/trace" && ok "the MIDI device is closed" || fail "the MIDI device stayed open"
fi
sleep 0.5
leave_program
finish
