#!/usr/bin/env bash
# The Debian package unpacked into a scratch root that only root may write,
# or the packages of a folder installed with apt on this system (a fresh
# root), and a player without privileges: the game started through its link
# in games/ finds its folder, and the editor's save goes to the player's own
# level file, leaving the shipped one alone. The menu entry and the icon are
# where the desktop looks.
# usage: installed.sh PACKAGE.deb | installed.sh --apt FOLDER
set -euo pipefail
if [ "$1" = --apt ]; then
  root=
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$2")"/gurgelix{,-sound}_*.deb >/dev/null
  GURX_VERSION=$(dpkg-query -W -f='${Version}' gurgelix)
else
  deb=$(realpath "$1")
  root=$(mktemp -d)
  dpkg-deb -x "$deb" "$root"
  GURX_VERSION=$(dpkg-deb -f "$deb" Version)
  chmod 755 "$root"
fi
. "$(dirname "$0")/lib.sh" "$root/usr/lib/games/gurgelix"
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work" ${root:+"$root"}' EXIT
for file in share/applications/gurgelix.desktop share/icons/hicolor/scalable/apps/gurgelix.svg \
    share/metainfo/net.gurgelix.gurgelix.metainfo.xml; do
  [ -f "$root/usr/$file" ] || fail "the package has no $file"
done
grep -qx 'Exec=/usr/games/gurgelix %f' "$root/usr/share/applications/gurgelix.desktop" ||
  fail "the menu entry does not pass a file"

# The player: nobody, with a home of its own.
player=65534
export XDG_DATA_HOME=$work/data
chmod 755 "$work"
chown -R "$player" "$HOME" "$XDG_CONFIG_HOME"
mkdir -p "$XDG_DATA_HOME" && chown "$player" "$XDG_DATA_HOME"
program=$work/as-player
printf '#!/bin/sh\nexec setpriv --reuid=%s --regid=%s --clear-groups %s "$@"\n' \
  "$player" "$player" "$root/usr/games/gurgelix" >"$program"
chmod 755 "$program"
shipped=$root/usr/share/games/gurgelix/gurx.dat
before=$(md5sum <"$shipped")

printf '[Gurgelix]\ntongue=0\n' >"$settings" && chown "$player" "$settings"
start_game
main=$(window "$title - Challenge mode")
keys "$main" ctrl+m
window "$title - Editor" >/dev/null
keys "$main" Right q ctrl+s                    # a tile laid in the editor, the levels saved
keys "$main" ctrl+q
answer Gurgelix 261 Return
answer 'Save game as ...' '' Escape
game_ended
own=$XDG_DATA_HOME/gurgelix/gurx.dat
[ -f "$own" ] || fail "the editor saved no level file of the player's own"
[ "$(md5sum <"$shipped")" = "$before" ] || fail "the shipped level file changed"
cmp -s "$own" "$shipped" && fail "the edit is not in the player's level file"
echo "installed: the game started through its link; the editor saved to the player's own file"
