#!/usr/bin/env bash
# Creates the demo work folder when it is missing and shows one of its months.
set -euo pipefail
build=${1:-build}
demo=${2:-demo-work}
[ -f "$demo/ROLL.SEW" ] || "$build/src/veltra-cli" demo "$demo"
month=$(ls "$demo"/data/*/*/*_6.ROD | head -n 1)
echo "== $month"
"$build/src/veltra-cli" stats "$month"
