#!/bin/sh
# Starts the installed velmora-chess under Xvfb, opens a new game with Ctrl+N, accepts the dialog
# with Enter, types "e4" and Enter on the board, waits for her reply, closes the game with SIGTERM
# (the path a logout takes) and checks that lastgame.txt kept the move.
set -eu
build_dir=$1
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    [ -f "$work/game.log" ] && cat "$work/game.log" >&2
    exit 1
}
# Polls a shell condition for up to $1 seconds.
wait_for() {
    limit=$1
    shift
    tries=0
    until eval "$@"; do
        tries=$((tries + 1))
        [ "$tries" -le $((limit * 5)) ] || return 1
        sleep 0.2
    done
}

# Under the sanitizers, leave out what the X11 platform's D-Bus library keeps until exit.
LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp"
export LSAN_OPTIONS

export HOME="$work/home"
unset XDG_CONFIG_HOME
mkdir -p "$HOME"
cmake --install "$build_dir" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    fail "install: $(cat "$work/install.log")"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
wait_for 30 '[ -s "$work/display" ]' || fail "Xvfb did not start"
DISPLAY=":$(cat "$work/display")"
export DISPLAY

"$work/prefix/bin/velmora-chess" >"$work/game.log" 2>&1 &
game_pid=$!
wait_for 60 'window=$(xdotool search --onlyvisible --name "^Velmora Chess" 2>/dev/null | head -n 1); [ -n "$window" ]' ||
    fail "the main window did not appear"
xdotool windowfocus --sync "$window"
xdotool key ctrl+n
wait_for 30 'dialog=$(xdotool search --onlyvisible --name "^New Game$" 2>/dev/null | head -n 1); [ -n "$dialog" ]' ||
    fail "Ctrl+N did not open the New Game dialog"
xdotool windowfocus --sync "$dialog"
xdotool key Return
wait_for 30 '[ -z "$(xdotool search --onlyvisible --name "^New Game$" 2>/dev/null)" ]' ||
    fail "Enter did not accept the New Game dialog"
xdotool windowfocus --sync "$window"
xdotool type --delay 100 e4
xdotool key Return

last_game="$work/prefix/share/velmora-chess/lastgame.txt"
wait_for 120 'grep -Eq "^1\) e2-e4, +[a-h][1-8]-[a-h][1-8]" "$last_game" 2>/dev/null' ||
    fail "no reply to e2-e4 was recorded"
kill -TERM "$game_pid"
wait "$game_pid" || fail "the game did not end cleanly on SIGTERM"
game_pid=""
grep -q '^1) e2-e4,' "$last_game" || fail "lastgame.txt after close: $(cat "$last_game")"
echo "lastgame.txt after close:"
cat "$last_game"
