#!/bin/sh
# Runs a command where Wine can make windows (the dialog tests make theirs
# hidden): as it is when there is an X display or the prefix uses Wine's null
# display driver (scripts/windows-test.sh sets it), else on a virtual display.
if [ -n "${DISPLAY:-}" ] || grep -qs '^"Graphics"="null"' "${WINEPREFIX:-$HOME/.wine}/user.reg"; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
