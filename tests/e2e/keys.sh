#!/usr/bin/env bash
# Keys the player may press at any time change nothing: no tool button has
# the focus, so Space and Return neither start a new game nor save. Values
# at the edge of the integer range in the settings are taken in stride.
. "$(dirname "$0")/lib.sh" "$1"

remember_game $'mode=0\nlevel=7\neleft=2147483647\netop=-2147483648\n'
start_game
main=$(window "$title - Game old.gxs - Practice mode")
sleep 1
keys "$main" space Return Tab space
exit_without_saving "$main"
[ "$(setting level)" = 7 ] || fail "a key changed the level to $(setting level)"
echo "keys: Space, Return and Tab changed nothing"
