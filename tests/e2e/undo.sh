#!/usr/bin/env bash
# Presses with the mouse, then Ctrl+Z back to the level's start and
# Ctrl+Shift+Z forward again: the board's pixels are those of the start and
# those after the last press.
. "$(dirname "$0")/lib.sh" "$1"

printf '[Gurgelix]\ntongue=0\nmode=1\nlevel=3\n' >"$settings"
start_game
main=$(window "$title - Challenge mode")
keys "$main" ctrl+m ctrl+m
window "$title - Practice mode" >/dev/null
pixels "$main" >/dev/null || fail "the board's pixels cannot be read"
start=$(board "$main")
# Level 3: the tee at its start fills the end beside it, then dries the elbow.
click "$main" 148 109 1
click "$main" 148 109 1
click "$main" 184 109 2
after=$(board "$main")
[ "$after" != "$start" ] || fail "the presses changed nothing"
keys "$main" ctrl+z ctrl+z ctrl+z
[ "$(board "$main")" = "$start" ] || fail "undone, the board differs from the level's start"
keys "$main" ctrl+shift+z ctrl+y ctrl+shift+z
[ "$(board "$main")" = "$after" ] || fail "redone, the board differs from the one after the presses"
exit_without_saving "$main"
echo "undo: three presses undone to the level's start and redone, pixel for pixel"
