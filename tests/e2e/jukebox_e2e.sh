#!/usr/bin/env bash
# End to end under a private X server: a tune of three keys recorded in the
# studio, stored on the jukebox's first record, the overwrite question
# answered no, the song taken back with the coin and played: its notes sound.
#   tests/e2e/jukebox_e2e.sh BAFOLINO DATA_DIR SHOTS_DIR
set -uo pipefail
prog=$1 data=$2 shots=$3
source "$(dirname "$0")/lib.sh"
jb="$data/BAFO_CS/MUSIC/JUKEBOX"
# The program writes its songs beside the data in this set-up.
song="$data/SONG1.DAT"
rm -f "$data"/SONG[0-9]*.DAT
trap 'kill $pid 2>/dev/null; rm -rf "$work" "$data"/SONG[0-9]*.DAT' EXIT

# The jukebox window's origin on the screen, and its record and icon centres.
ox=244 oy=163
record_x() { echo $((ox + 25 + 70 * ($1 % 4) + 33)); }
record_y() { echo $((oy + 20 + 70 * ($1 / 4) + 30)); }
label_x() { echo $((ox + 46 + 70 * ($1 % 4))); }
label_y() { echo $((oy + 40 + 70 * ($1 / 4))); }
heard_after() { # line note-message
    tail -n +"$1" "$work/trace" | grep -Eq "^[0-9]+ midi(_unsent)? $2\$"
}
lines() { wc -l <"$work/trace"; }
press() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; sleep 0.15; }
read -r lw lh < <(size_of "$jb/JB_STRED.BMP")
labels_are() { # shot full-records...
    local s=$1 i bad=0; shift
    for i in $(seq 0 11); do
        local want="$jb/JB_STRNO.BMP"
        for f in "$@"; do [ "$f" = "$i" ] && want="$jb/JB_STRED.BMP"; done
        same "$s" "$(label_x $i)" "$(label_y $i)" "$lw" "$lh" "$want" || bad=$((bad + 1))
    done
    [ $bad -eq 0 ]
}

start_program
to_menu
click 248 490  # the music balloon
wait_trace "show frm_klavir" 5 && ok "the music balloon opens the studio" || { fail "no studio"; finish; exit 1; }
sleep 0.8

click 165 23  # record
for k in a s d; do press $k; done
click 295 23  # stop
sleep 0.3

click 408 23  # the jukebox
wait_trace "show frm_jukebox" 5 && ok "the jukebox icon opens the jukebox" || { fail "no jukebox"; finish; exit 1; }
sleep 0.5
move 600 100
shot 01-jukebox-empty
labels_are 01-jukebox-empty && ok "twelve empty labels" || fail "the labels are not all empty"

click "$(record_x 0)" "$(record_y 0)"
click $((ox + 140)) $((oy + 268))  # store
sleep 0.3
if [ -f "$song" ]; then
    [ "$(head -c 3 "$song" | od -An -c | tr -s ' ')" = " 6 \r \n" ] && ok "SONG1.DAT holds six events, CR LF" \
        || fail "SONG1.DAT starts: $(head -c 12 "$song" | od -An -c)"
    [ "$(wc -l <"$song")" -eq 19 ] && ok "one field a line: 19 lines" || fail "SONG1.DAT has $(wc -l <"$song") lines"
else
    fail "store wrote no SONG1.DAT"
fi
grep -q "jukebox: asks" "$work/trace" && fail "storing on an empty record asked" || ok "storing on an empty record asks nothing"
move 600 100
shot 02-jukebox-full
labels_are 02-jukebox-full 0 && ok "record 1's label is full, the others empty" || fail "the labels do not show the stored song"

before=$(md5sum <"$song")
click $((ox + 140)) $((oy + 268))  # store again: Bafo asks
wait_trace "jukebox: asks SAVE" 3 && ok "storing over a song asks" || fail "no question before overwriting"
wait_trace "sound .*HUDBA.02A.WAV" 3 && ok "Bafo asks aloud" || fail "no question voice"
sleep 1.5
shot 03-question
sleep 5
click $((ox + 80 + 50)) $((oy + 106 + 88))  # no
wait_trace "jukebox: answer no" 3 && ok "no answers the question" || fail "the no button was not taken"
[ "$(md5sum <"$song")" = "$before" ] && ok "no leaves the song as it was" || fail "no changed the song"

click $((ox + 55)) $((oy + 273))  # the coin
wait_trace "jukebox: back with song 1" 3 && ok "the coin goes back to the studio" || fail "the coin did not close the jukebox"
wait_trace "song 1: 6 events" 3 && ok "the song of six events is loaded" || fail "the song was not loaded"
sleep 0.5
from=$(lines)
click 230 23  # play
wait_trace " play 6$" 3 && ok "the loaded tune plays" || fail "no playback of six events"
sleep 2
n=0
for note in 60 62 64; do heard_after "$from" "144 $note 127" && heard_after "$from" "144 $note 0" && n=$((n + 1)); done
[ $n -eq 3 ] && ok "the stored notes 60 62 64 sound again" || fail "only $n of the three stored notes sounded"
move 400 300
shot 04-studio-after

click 45 573  # back
wait_trace "show frm_select" 5 || fail "back did not return to the menu"
sleep 0.5
leave_program
finish
