# Shared by the end-to-end scripts: start the real program under the current
# X display, drive it with xdotool, compare screenshots with bitmaps.
# The caller sets prog, data and shots before sourcing this file.
set -uo pipefail
sel="$data/BAFO_CS/SELECT"
mkdir -p "$shots"
rm -f "$shots"/*.png
work=$(mktemp -d)
pid=""
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
printf '[BAFO_CS]\nHD=%s\n' "$data" >"$work/BAFO.INI"
failures=0 passes=0
ok() { passes=$((passes + 1)); echo "ok: $*"; }
fail() { failures=$((failures + 1)); echo "FAILED: $*"; }

# Waits until the trace has a line matching $1 (at most $2 seconds).
wait_trace() {
    for _ in $(seq 1 $(( ${2:-10} * 20 ))); do
        grep -q -- "$1" "$work/trace" 2>/dev/null && return 0
        sleep 0.05
    done
    return 1
}
# The number of the trace's next line, for wait_after.
lines() { echo $(( $(wc -l <"$work/trace") + 1 )); }
# Waits for a trace line matching $2 after line $1 (at most $3 seconds).
wait_after() {
    for _ in $(seq 1 $(( ${3:-10} * 20 ))); do
        tail -n +"$1" "$work/trace" | grep -q -- "$2" && return 0
        sleep 0.05
    done
    return 1
}
shot() { import -window "$win" "$shots/$1.png"; }
# Pixels differing between region X,Y,W,H of a screenshot and a bitmap (at its own origin, or a region of it).
diff_region() { # shot x y w h file [fx fy]
    local s=$1 x=$2 y=$3 w=$4 h=$5 f=$6 fx=${7:-0} fy=${8:-0}
    convert "$shots/$s.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/a.ppm"
    convert "$f" -crop "${w}x${h}+${fx}+${fy}" +repage "$work/b.ppm"
    compare -metric AE "$work/a.ppm" "$work/b.ppm" null: 2>&1 | cut -d' ' -f1
}
same() { [ "$(diff_region "$@")" = "0" ]; }
size_of() { identify -format '%w %h' "$1"; }
move() { xdotool mousemove --window "$win" "$1" "$2"; sleep 0.15; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.2; }

# Starts the program (in a window unless prog_args says otherwise) and waits
# for its welcome picture; what it says on stderr is kept in $work/stderr too.
start_program() {
    # shellcheck disable=SC2086
    BAFO_INI="$work/BAFO.INI" BAFO_TRACE="$work/trace" SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work" \
        "$prog" ${prog_args---window} 2> >(tee "$work/stderr" >&2) &
    pid=$!
    wait_trace "present frm_black" 10 || { fail "no welcome picture"; exit 1; }
    win=$(xdotool search --sync --onlyvisible --name '^Bafolino$' | head -n 1)
    # The window takes input a moment after it is mapped.
    sleep 0.5
}
# From the welcome picture to a quiet, ready menu (the intro and the greeting skipped).
to_menu() {
    click 400 300
    # A click lost on a busy machine is tried once more.
    wait_trace "activate frm_select" 3 || { click 400 300; wait_trace "activate frm_select" 5; } || fail "no menu after the click"
    sleep 0.3
    click 790 590
    sleep 0.3
}
# The exit question, yes, and the farewell click; checks the exit status.
leave_program() {
    move 790 590
    click 373 303
    wait_trace "sound .*KONEC.WAV" 5 || fail "no exit question"
    sleep 0.3
    click 220 205
    wait_trace "present frm_black" 5
    sleep 0.4
    click 400 300
    for _ in $(seq 1 40); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
    if kill -0 $pid 2>/dev/null; then fail "the program did not end after the farewell click"
    else wait $pid; code=$?; [ $code -eq 0 ] && ok "ended with status 0" || fail "ended with status $code"; fi
}
finish() {
    echo "$passes passed, $failures failed"
    [ $failures -eq 0 ]
}
