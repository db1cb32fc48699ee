#!/usr/bin/env bash
# widget_libraries.sh WINDOW_PROGRAM PROGRAM...: the window program loads Qt's
# widget and GUI libraries, and none of the other programs loads either, as
# ldd sees them. A scheduled run or a command-line tool must start where no
# display and no GUI library exist.
set -euo pipefail

loaded() { ldd "$1" | grep -E 'libQt6(Widgets|Gui)' || true; }

window=$1
shift
if [ -z "$(loaded "$window")" ]; then
  echo "$window loads no Qt widget library: this check sees nothing" >&2
  exit 1
fi
status=0
for program in "$@"; do
  found=$(loaded "$program")
  if [ -n "$found" ]; then
    echo "$(basename "$program") loads:" >&2
    echo "$found" >&2
    status=1
  fi
done
exit $status
