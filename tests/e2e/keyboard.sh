#!/usr/bin/env bash
# A first level solved from the keyboard alone, and each of the tool bar's
# shortcuts used once: the game is left with Ctrl+Q and saved with Return.
. "$(dirname "$0")/lib.sh" "$1"

printf '[Gurgelix]\ntongue=0\n' >"$settings"
start_game
main=$(window "$title - Challenge mode")
sleep 1
keys "$main" F1
window Gurgelix 640 >/dev/null                 # the help window
keys "$main" ctrl+r
keys "$(window Gurgelix 261)" Escape           # give up the level? No
keys "$main" ctrl+n
keys "$(window Gurgelix 261)" Escape           # give up the game? No
keys "$main" ctrl+o
keys "$(window 'Load game')" Escape
keys "$main" ctrl+s
keys "$(window 'Save game as ...')" Escape
keys "$main" ctrl+m
window "$title - Editor" >/dev/null
keys "$main" ctrl+m
window "$title - Practice mode" >/dev/null
keys "$main" ctrl+m
window "$title - Challenge mode" >/dev/null
# Level 1 is solved by the right button on its start, where the cursor starts.
keys "$main" p e                               # paused: the press does nothing
sleep 1
! shown Gurgelix 261 || fail "a press was taken while paused"
keys "$main" q                                 # a left press is a click: play goes on
keys "$main" e
keys "$(window Gurgelix 261)" Return           # Hurrah, you did it!
keys "$main" ctrl+q
keys "$(window Gurgelix 261)" Return           # Do you really want to exit? Yes
keys "$(window 'Save game as ...')" Return     # noname.gxs
game_ended
first=$(od -An -tu4 -N4 "$HOME/noname.gxs" | tr -d ' ')
[ "$first" -gt 0 ] || fail "level 1 has no result"
echo "keyboard: every shortcut once, level 1 solved with the keys alone ($first seconds left)"
