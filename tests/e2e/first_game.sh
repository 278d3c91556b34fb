#!/usr/bin/env bash
# Plays a first game with mouse and keys: the language question, each of the
# tool bar's shortcuts once, level 1 solved from the keyboard, the game left
# and saved. Then checks what the game wrote.
. "$(dirname "$0")/lib.sh" "$1"

start_game
answer "$title" 320 at 194 29                  # the language window: I speak english.
main=$(window "$title - Challenge mode")        # named once level 1 has started
keys "$main" ctrl+r
answer Gurgelix 261 Escape                     # give up the level? No
keys "$main" ctrl+n
answer Gurgelix 261 Escape                     # give up the game? No
keys "$main" ctrl+o
answer 'Load game' '' Escape
for mode in Editor 'Practice mode' 'Challenge mode'; do
  keys "$main" ctrl+m
  window "$title - $mode" >/dev/null
done
# Level 1 is solved by the right button on its start, where the cursor starts.
keys "$main" p e ctrl+s                        # paused: the press does nothing
answer 'Save game as ...' '' Escape            # the window after it shows the press arrived
! shown Gurgelix 261 || fail "a press was taken while paused"
keys "$main" q e                               # a left press is a click: play goes on
answer Gurgelix 261 Return                     # Hurrah, you did it!
keys "$main" F1                                # last: the help window covers the main one
window Gurgelix 640 >/dev/null
keys "$main" ctrl+q
answer Gurgelix 261 at 78 81                   # Do you really want to exit?: Yes
answer 'Save game as ...' '' at 122 297        # OK for noname.gxs
game_ended

[ "$(setting tongue)" = 0 ] || fail "language not remembered: $(cat "$settings")"
[ "$(setting save)" = "$HOME/noname.gxs" ] || fail "saved game not remembered"
[ "$(stat -c %s "$HOME/noname.gxs")" = 800 ] || fail "the saved game should hold 200 results"
first=$(od -An -tu4 -N4 "$HOME/noname.gxs" | tr -d ' ')
[ "$first" -gt 0 ] || fail "level 1 has no result"
echo "first game: every shortcut once, level 1 solved from the keys with $first seconds left, saved"
