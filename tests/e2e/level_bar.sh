#!/usr/bin/env bash
# One click on the level bar's arrow in a touched challenge level asks to
# give it up. The question ends the click's repeat: after a wait under it,
# No keeps the level.
. "$(dirname "$0")/lib.sh" "$1"

remember_game $'mode=1\nlevel=3\n'
start_game
main=$(window "$title - Game old.gxs - Challenge mode")
sleep 1
click "$main" $((36 * 4 + 4)) $((33 + 36 * 2 + 4)) 2  # a middle press on the start (4,2)
click "$main" 461 $((33 + 155))       # the level bar's upper arrow
question=$(window Gurgelix 261)
sleep 1.5                             # past any repeat of the click
click "$question" 174 81              # No
exit_without_saving "$main"
[ "$(setting level)" = 3 ] || fail "the level bar left level 3 for $(setting level)"
echo "level bar: one click, one question, No kept level 3"
