#!/usr/bin/env bash
# The Debian package unpacked into a scratch root: the game started through
# its link in games/ finds its folder, plays a level from the keyboard and
# saves the game; the menu entry and the icon are where the desktop looks.
# usage: installed.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
root=$(mktemp -d)
dpkg-deb -x "$deb" "$root"
. "$(dirname "$0")/lib.sh" "$root/usr/lib/games/gurgelix"
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work" "$root"' EXIT
for file in share/applications/gurgelix.desktop share/icons/hicolor/scalable/apps/gurgelix.svg \
    share/metainfo/net.gurgelix.Gurgelix.metainfo.xml; do
  [ -f "$root/usr/$file" ] || fail "the package has no $file"
done

program=$root/usr/games/gurgelix
printf '[Gurgelix]\ntongue=0\n' >"$settings"
start_game
main=$(window 'Gurgelix V2.0 - Challenge mode')
sleep 1
keys "$main" e                                 # level 1: the right button on its start
keys "$(window Gurgelix 261)" Return
keys "$main" ctrl+q
keys "$(window Gurgelix 261)" Return
keys "$(window 'Save game as ...')" Return
game_ended
[ "$(od -An -tu4 -N4 "$HOME/noname.gxs" | tr -d ' ')" -gt 0 ] || fail "level 1 has no result"
echo "installed: the packaged game started through its link, played and saved"
