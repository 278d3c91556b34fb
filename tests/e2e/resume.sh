#!/usr/bin/env bash
# A practice level closed in progress comes back pixel for pixel at the next
# start with the remembered game; a changed level or challenge mode starts
# it afresh.
. "$(dirname "$0")/lib.sh" "$1"

head -c 800 /dev/zero >"$HOME/old.gxs"
printf '[Gurgelix]\ntongue=0\nsave=%s\nmode=0\nlevel=3\n' "$HOME/old.gxs" >"$settings"
# Starts the game in mode $1, keeps the board it shows, plays when asked
# and closes it. Level 3: turned twice, the tee at its start (4, 2) fills
# the end beside it; then it is locked.
run() {
  start_game
  main=$(window "$title - Game old.gxs - $1 mode")
  seen=$(board "$main")
  if [ -n "${2:-}" ]; then
    click "$main" 148 109 1
    click "$main" 148 109 1
    click "$main" 184 109 2
    click "$main" 148 109 1 shift
    played=$(board "$main")
  fi
  exit_without_saving "$main"
}

run Practice play
start=$seen
[ "$played" != "$start" ] || fail "the presses and the lock changed nothing"
run Practice
[ "$seen" = "$played" ] || fail "the level in progress did not come back as it was closed"
sed -i 's/^mode=.*/mode=1/' "$settings"
run Challenge
[ "$seen" = "$start" ] || fail "challenge mode took up the level in progress"
sed -i 's/^mode=.*/mode=0/' "$settings"
run Practice play
# The floor under the start tile: the level looks the same, but is another.
printf '\x01' | dd of="$work/game/gurx.dat" bs=1 seek=$((2 * 162 + 80 + 25)) conv=notrunc status=none
run Practice
[ "$seen" = "$start" ] || fail "a changed level took up the board of the old one"
echo "resume: a practice level came back as closed; challenge and a changed level started afresh"
