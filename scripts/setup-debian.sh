#!/usr/bin/env bash
# Installs the Debian packages Kelmar needs to build, run and test.
# Works as root and through sudo; safe to run again: only what is missing
# is installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev librtmidi-dev libfluidsynth-dev libjack-jackd2-dev libxcb1-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  timgm6mb-soundfont
  fonts-liberation2
)
test_packages=(
  libgtest-dev libbenchmark-dev jackd2 fluidsynth python3-mido
  pipewire-bin pipewire-jack
  xvfb xdotool x11-utils imagemagick
  weston qt6-wayland jack-keyboard
  desktop-file-utils appstream man-db lintian
)
if [ "${1:-}" = "--test" ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=(env DEBIAN_FRONTEND=noninteractive)
[ "$(id -u)" -eq 0 ] || as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
