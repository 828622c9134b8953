#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# skipping those already present. Runs apt-get as root or through sudo.
set -euo pipefail

packages=(
  make cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libbenchmark-dev
  fonts-ipafont-mincho poppler-utils ghostscript
  qt6-translations-l10n
  xvfb xauth
)
if [ "${VELTRA_PRINT_DEPS:-0}" = 1 ]; then
  packages+=(cups printer-driver-cups-pdf python3)
fi
if [ "${VELTRA_FUZZ_DEPS:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
if [ "${VELTRA_PACKAGE_DEPS:-0}" = 1 ]; then
  packages+=(dpkg-dev file lintian desktop-file-utils appstream man-db python3-xlib)
fi
if [ "${VELTRA_TIDY_DEPS:-0}" = 1 ]; then
  packages+=(clang-tidy python3)
fi
if [ "${VELTRA_FORMAT_DEPS:-0}" = 1 ]; then
  packages+=(clang-format)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "These packages are missing: ${missing[*]}" >&2
  echo "Installing them needs root, and sudo is not available for $(id -un)." >&2
  echo "Run this script as root once, or install sudo and give $(id -un) the right to use it." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
