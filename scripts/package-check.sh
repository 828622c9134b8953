#!/usr/bin/env bash
# Checks the Debian package built in BUILD the way a school machine meets it:
# lintian, the desktop entry and AppStream metadata, then installs it with
# apt-get, runs the installed programs, removes it and checks that nothing
# it installed is left behind.
set -euo pipefail
build=$(realpath "${1:-build}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/veltra_${version}_amd64.deb"
app_id=jp.veltra.Veltra
[ -f "$deb" ] || { echo "no package $deb: run make package" >&2; exit 1; }

echo "-- lintian"
# Any error or warning fails; informational tags are only listed.
lintian --fail-on error,warning --display-info "$deb"

if dpkg-query -W -f='${Status}' veltra 2>/dev/null | grep -q 'install ok installed'; then
  echo "veltra is installed already: removing it first"
  apt-get remove -y -qq veltra
fi
echo "-- apt-get install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" > /dev/null
files=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$files" "$work"' EXIT
dpkg -L veltra > "$files"

echo "-- installed programs"
[ "$(command -v veltra-cli)" = /usr/bin/veltra-cli ]
[ "$(veltra-cli --version)" = "veltra-cli $version" ]
(cd "$work" && veltra-cli demo demo > /dev/null && test -f demo/ROLL.SEW && test -f demo/CLASS.CSD)
[ "$(QT_QPA_PLATFORM=offscreen veltra --version)" = "veltra $version" ]
# The kill trials' scripted runs are not in the installed program: it refuses their switches.
if QT_QPA_PLATFORM=offscreen timeout 10 veltra --scripted-run="$work/log" > /dev/null 2>&1; then
  echo "the installed veltra takes the kill trials' --scripted-run" >&2
  exit 1
fi
man -w veltra-cli | grep -qx /usr/share/man/man1/veltra-cli.1.gz
MANWIDTH=80 man veltra-cli 2>/dev/null | grep -q '終了ステータス'
desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
for size in 48 64 128 256; do
  [ "$(file -b "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -o "$size x $size")" = "$size x $size" ]
done
test -f "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
test -f /usr/share/doc/veltra/copyright && test -f /usr/share/doc/veltra/manual.md

echo "-- start-up of the installed program under Xvfb"
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null || true; rm -rf "$files" "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
# The figure is reported; only a start-up above 2 s (a gross regression, even on a busy machine) fails.
DISPLAY=":$(cat "$work/display")" "$(dirname "$0")/startup-time.py" /usr/bin/veltra "$work/demo" 10 2.0
kill $xvfb

echo "-- apt-get remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq veltra > /dev/null
if dpkg-query -W -f='${Status}' veltra 2>/dev/null | grep -q 'installed'; then
  echo "veltra is still installed after removal" >&2
  exit 1
fi
left=0
while IFS= read -r path; do
  # A folder other packages share (/usr/share/icons/…) stays, owned by them.
  if [ -e "$path" ] && ! dpkg -S "$path" > /dev/null 2>&1; then
    echo "left behind: $path" >&2
    left=1
  fi
done < "$files"
[ $left = 0 ]
echo "package: $(basename "$deb") installs, runs and removes cleanly"
