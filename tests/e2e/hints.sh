#!/usr/bin/env bash
# The hint key solves a practice level from its start, one press at a time,
# and does nothing in challenge mode.
. "$(dirname "$0")/lib.sh" "$1"

printf '[Gurgelix]\ntongue=0\nmode=1\nlevel=30\n' >"$settings"
start_game
main=$(window "$title - Challenge mode")
keys "$main" h h ctrl+m ctrl+m
window "$title - Practice mode" >/dev/null
! shown Gurgelix 261 || fail "a question came up in challenge mode"
# Level 30 needs three presses; those after the solution find it solved.
keys "$main" h h h h h h h h h h
answer Gurgelix 261 Return                     # Hurrah, you did it!
exit_without_saving "$main"
echo "hints: level 30 solved by the hint key alone"
