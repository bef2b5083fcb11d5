#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, and only
# those that are missing. Quick when everything is there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev libgl-dev
  libgtest-dev libgmock-dev
  fonts-nanum fonts-dejavu fonts-liberation2
  xvfb xdotool x11-utils imagemagick
  dbus dbus-x11 at-spi2-core python3-pyatspi
)
[ "${FIF_BENCH_DEPS:-0}" = 1 ] && packages+=(ripgrep grep linux-source-6.1 xz-utils hyperfine)

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
