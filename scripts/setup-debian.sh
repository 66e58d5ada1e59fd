#!/usr/bin/env bash
# Installs the Debian packages Kelmar needs to build, run and test.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev librtmidi-dev libfluidsynth-dev libjack-jackd2-dev
  timgm6mb-soundfont
)
test_packages=(
  libgtest-dev libbenchmark-dev jackd2 fluidsynth
  xvfb xdotool x11-utils imagemagick
)
if [ "${1:-}" = "--test" ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo -E apt-get install -y -qq --no-install-recommends "${missing[@]}"
