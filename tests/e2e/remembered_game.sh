#!/usr/bin/env bash
# A remembered game starts its level once: one flow of water, one sound,
# played by the sound module that loads at that first cue.
. "$(dirname "$0")/lib.sh" "$1"

# The settings name a saved game of 200 results of 9 s.
head -c 800 /dev/zero | tr '\0' '\011' >"$HOME/old.gxs"
printf '[Gurgelix]\ntongue=0\nsave=%s\nmode=0\nlevel=3\nsound=1\n' "$HOME/old.gxs" >"$settings"
export QT_LOGGING_RULES='gurgelix.sound.debug=true'
start_game
main=$(window "$title - Game old.gxs - Practice mode")
said 'play "w1.wav"'
# The exit question proves the game went on past the start; a second start
# would have sounded by then.
exit_without_saving "$main"
flows=$(grep -c 'play "w1.wav"' "$work/stderr" || true)
[ "$flows" = 1 ] || fail "the level started with $flows water sounds"
! grep -q 'no sound' "$work/stderr" || fail "the sound module did not load"
echo "remembered game: level 3 started once"
