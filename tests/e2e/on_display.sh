#!/usr/bin/env bash
# Runs a command on a virtual display of its own. The server picks a free
# display number itself and is waited for at the end: a server that is still
# shutting down removes its socket late, and would take it from the next
# test's server had that been given the same number.
# usage: on_display.sh COMMAND...
set -euo pipefail
dir=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" 2>"$dir/log" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$dir"' EXIT
until grep -q '^[0-9]*$' "$dir/display" 2>/dev/null && [ "$(wc -l <"$dir/display")" = 1 ]; do
  kill -0 "$server" 2>/dev/null || { cat "$dir/log" >&2; exit 1; }
  sleep 0.05
done
DISPLAY=:$(cat "$dir/display") "$@"
