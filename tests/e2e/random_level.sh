#!/usr/bin/env bash
# `gurgelix --code CODE` starts with that random level: its code in the
# title, and the presses the level tool finds for it solve it in the game;
# the records hold the solve and its par once the game has closed.
. "$(dirname "$0")/lib.sh" "$1"

code=M-7F3KQ2D9
"${GURX_LEVEL_TOOL:?}" code "$code" "$work/code.dat" >/dev/null
read -r -a presses < <("$GURX_LEVEL_TOOL" solve "$work/code.dat" 1)
head -c 800 /dev/zero >"$HOME/old.gxs"
printf '[Gurgelix]\ntongue=0\nsave=%s\nmode=0\nlevel=3\n' "$HOME/old.gxs" >"$settings"
start_game --code "$code"
main=$(window "$title - Game old.gxs - $code - Practice mode")
declare -A buttons=([L]=1 [M]=2 [R]=3)
for press in "${presses[@]}"; do
  col=${press:1} row=${press#*,}
  col=${col%,*}
  click "$main" $((22 + 36 * (col - 1) + 18)) $((55 + 36 * (row - 1) + 18)) "${buttons[${press:0:1}]}"
done
answer Gurgelix 261 Return
exit_without_saving "$main"
# Par is what the solver found, as the tool printed it.
n=${#presses[@]}
grep -q " 1 $n - [0-9]* - $n $code\$" "$HOME/.local/share/gurgelix/records" ||
  fail "the records do not hold the solve in $n presses at par"
echo "random level: $code solved in ${#presses[@]} presses"
