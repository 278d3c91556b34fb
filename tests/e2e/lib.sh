# What every end-to-end test shares: a scratch home and program directory,
# the real game started in it, and xdotool to find windows and click them.
# usage: . lib.sh GAMEDIR
set -euo pipefail

game_dir=$1
work=$(mktemp -d)
game=
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$game_dir" "$work/game"
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
settings=$XDG_CONFIG_HOME/quillcase.ini
# No desktop portal answers here, and Qt 6.8 would end the game with its
# question to one still pending, which the leak checker reports.
export QT_NO_XDG_DESKTOP_PORTAL=1
# The main window's title starts with it; the build passes the version.
title="Gurgelix V${GURX_VERSION:?}"

fail() {
  echo "FAILED: $*" >&2
  [ -s "$work/stderr" ] && sed 's/^/  game: /' "$work/stderr" >&2
  exit 1
}

# Runs a command until it succeeds, for up to 10 seconds.
eventually() {
  for _ in $(seq 100); do
    "$@" && return
    sleep 0.1
  done
  return 1
}

# Prints the first shown window named exactly $1 (and $2 pixels wide, when
# given); fails when there is none.
shown() {
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ -z "${2:-}" ] || [ "$WIDTH" = "$2" ] && { echo "$id"; return 0; }
  done
  return 1
}

# That window, waited for.
window() { eventually shown "$@" || fail "no window named '$1'"; }

hidden() { ! xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# Clicks at x,y inside a window, with button $4 (1 left, 2 middle, 3 right)
# and the key $5 (shift, say) held.
click() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) ${5:+keydown "$5"} click "${4:-1}" ${5:+keyup "$5"}
}

# Gives window $1 the keyboard (there is no window manager to do it) and
# types the keys that follow.
keys() {
  xdotool windowfocus --sync "$1"
  shift
  xdotool key "$@"
}

# Answers the window named $1 ($2 pixels wide, or any) with the keys that
# follow, or with a click when they are "at X Y", and waits for it to close:
# input sent before that would find it still in the way.
answer() {
  local id name=$1
  id=$(window "$1" "$2")
  shift 2
  if [ "$1" = at ]; then click "$id" "$2" "$3"; else keys "$id" "$@"; fi
  eventually hidden "$id" || fail "the window '$name' stayed open"
}

# Waits for the game to write a line matching $1 on stderr.
said() { eventually grep -q "$1" "$work/stderr" || fail "the game never said '$1'"; }

# Starts the game ($program, else the copy) with the arguments given; its
# messages go to $work/stderr.
start_game() {
  "${program:-$work/game/gurgelix}" "$@" 2>"$work/stderr" &
  game=$!
}

ended() { ! kill -0 "$game" 2>/dev/null; }

# Waits for the game to end and fails unless it ended cleanly: status 0 and
# no sanitizer report.
game_ended() {
  eventually ended || fail "the game did not end"
  local status=0
  wait "$game" || status=$?
  [ "$status" = 0 ] || fail "the game ended with status $status"
  ! grep -q 'Sanitizer\|runtime error' "$work/stderr" || fail "the sanitizer reported"
}

# Leaves through the exit button: yes to the question, then Esc in the save window.
exit_without_saving() {
  click "$1" 184 16
  answer Gurgelix 261 at 78 81
  answer 'Save game as ...' '' Escape
  game_ended
}

# A sum of the pixels of the board with its frame and of the count of the
# water beside it, in window $1.
pixels() {
  xwd -silent -id "$1" | xwdtopnm 2>/dev/null >"$work/shot.pnm"
  { pamcut 0 33 400 333 "$work/shot.pnm" && pamcut 409 68 69 26 "$work/shot.pnm"; } | md5sum
}

# The same, once they have stayed the same for 0.4 s.
board() {
  local before now
  now=$(pixels "$1")
  until [ "$now" = "${before:-}" ]; do
    before=$now
    sleep 0.4
    now=$(pixels "$1")
  done
  echo "$now"
}

setting() { grep -x "$1=.*" "$settings" | cut -d= -f2-; }
