#!/usr/bin/env bash
# Plays a first game with the real program on a virtual X display: the
# language question, solving level 1 with one press, leaving through the exit
# button, saving the game. Then checks what the game wrote.
# usage: first_game.sh GAMEDIR
set -euo pipefail

game_dir=$1
work=$(mktemp -d)
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$game_dir" "$work/game"
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"

fail() { echo "FAILED: $*" >&2; exit 1; }

# The window named exactly $1 (and $2 pixels wide, when given), waited for
# up to 10 seconds.
window() {
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      [ -z "${2:-}" ] || [ "$WIDTH" = "$2" ] && { echo "$id"; return; }
    done
    sleep 0.1
  done
  fail "no window named '$1'"
}

# Clicks at x,y inside a window.
click() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click "${4:-1}"
  sleep 0.4
}

"$work/game/gurgelix" &
game=$!

click "$(window 'Gurgelix V2.0' 320)" 194 29  # the language window: I speak english.
main=$(window 'Gurgelix V2.0 - Challenge mode')
# Level 1 of the shipped levels is solved by a right press on its start (1,2).
click "$main" $((36 * 1 + 4)) $((33 + 36 * 2 + 4)) 3
click "$(window Gurgelix)" 130 81        # Hurrah, you did it!: OK
click "$main" 184 16                     # the exit button
click "$(window Gurgelix)" 78 81         # Do you really want to exit?: Yes
click "$(window 'Save game as ...')" 122 297  # OK for noname.gxs
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end"

settings=$XDG_CONFIG_HOME/quillcase.ini
grep -qx 'tongue=0' "$settings" || fail "language not remembered: $(cat "$settings")"
grep -qx "save=$HOME/noname.gxs" "$settings" || fail "saved game not remembered"
[ "$(stat -c %s "$HOME/noname.gxs")" = 800 ] || fail "the saved game should hold 200 results"
first=$(od -An -tu4 -N4 "$HOME/noname.gxs" | tr -d ' ')
[ "$first" -gt 0 ] || fail "level 1 has no result"
echo "first game: level 1 solved with $first seconds left, saved and remembered"
