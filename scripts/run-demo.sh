#!/usr/bin/env bash
# Creates the demo work folder when it is missing and starts the program in it.
# Without a display, shows one demo month's figures instead.
set -euo pipefail
build=$(realpath "${1:-build}")
demo=${2:-demo-work}
[ -f "$demo/ROLL.SEW" ] || "$build/src/veltra-cli" demo "$demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  month=$(ls "$demo"/data/*/1年2組/*_6.ROD)
  echo "No display: showing the figures of $month instead of starting the program."
  exec "$build/src/veltra-cli" stats "$month"
fi
cd "$demo"
exec "$build/src/veltra"
