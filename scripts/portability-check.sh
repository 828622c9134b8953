#!/usr/bin/env bash
# The program builds on Windows too: no file under src/ includes a POSIX-only
# header, except the POSIX half of a platform seam, named *_posix.cpp (its
# Windows twin is *_win.cpp). Tests may use them.
set -euo pipefail
cd "$(dirname "$0")/.."

pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](unistd\.h|fcntl\.h|pwd\.h|sys/[^>"]*)[>"]'
found=$(grep -rnE --include='*.cpp' --include='*.h' "$pattern" src | grep -v '^[^:]*_posix\.cpp:' || true)
if [ -n "$found" ]; then
  echo "POSIX-only headers outside a platform seam (*_posix.cpp):" >&2
  echo "$found" >&2
  exit 1
fi
echo "portability: no POSIX-only header under src/ outside a platform seam"
