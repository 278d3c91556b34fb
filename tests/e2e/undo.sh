#!/usr/bin/env bash
# Presses with the mouse, then Ctrl+Z back to the level's start and
# Ctrl+Shift+Z forward again: the board's pixels are those of the start and
# those after the last press.
. "$(dirname "$0")/lib.sh" "$1"

# The board and its frame as drawn, once they have stayed the same for 0.4 s.
pixels() { xwd -silent -id "$main" | xwdtopnm 2>/dev/null | pamcut 0 33 400 333 | md5sum; }
board() {
  local before now
  now=$(pixels)
  until [ "$now" = "${before:-}" ]; do
    before=$now
    sleep 0.4
    now=$(pixels)
  done
  echo "$now"
}

printf '[Gurgelix]\ntongue=0\nmode=1\nlevel=3\n' >"$settings"
start_game
main=$(window "$title - Challenge mode")
keys "$main" ctrl+m ctrl+m
window "$title - Practice mode" >/dev/null
pixels >/dev/null || fail "the board's pixels cannot be read"
start=$(board)
# Level 3: the tee at its start fills the end beside it, then dries the elbow.
click "$main" 148 109 1
click "$main" 148 109 1
click "$main" 184 109 2
after=$(board)
[ "$after" != "$start" ] || fail "the presses changed nothing"
keys "$main" ctrl+z ctrl+z ctrl+z
[ "$(board)" = "$start" ] || fail "undone, the board differs from the level's start"
keys "$main" ctrl+shift+z ctrl+y ctrl+shift+z
[ "$(board)" = "$after" ] || fail "redone, the board differs from the one after the presses"
exit_without_saving "$main"
echo "undo: three presses undone to the level's start and redone, pixel for pixel"
