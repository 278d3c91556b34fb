#!/usr/bin/env bash
# Plays a first game: the language question, solving level 1 with one press,
# leaving through the exit button, saving the game. Then checks what the
# game wrote.
. "$(dirname "$0")/lib.sh" "$1"

start_game
click "$(window "$title" 320)" 194 29  # the language window: I speak english.
main=$(window "$title - Challenge mode")
# Level 1 of the shipped levels is solved by a right press on its start (1,2).
click "$main" $((36 * 1 + 4)) $((33 + 36 * 2 + 4)) 3
click "$(window Gurgelix)" 130 81        # Hurrah, you did it!: OK
click "$main" 184 16                     # the exit button
click "$(window Gurgelix)" 78 81         # Do you really want to exit?: Yes
click "$(window 'Save game as ...')" 122 297  # OK for noname.gxs
game_ended

[ "$(setting tongue)" = 0 ] || fail "language not remembered: $(cat "$settings")"
[ "$(setting save)" = "$HOME/noname.gxs" ] || fail "saved game not remembered"
[ "$(stat -c %s "$HOME/noname.gxs")" = 800 ] || fail "the saved game should hold 200 results"
first=$(od -An -tu4 -N4 "$HOME/noname.gxs" | tr -d ' ')
[ "$first" -gt 0 ] || fail "level 1 has no result"
echo "first game: level 1 solved with $first seconds left, saved and remembered"
