#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: lintian finds
# no error (its warnings are printed), the control fields name what the
# program loads itself, and the files have Debian's places and modes.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb="$(ls "$out"/kelmar_*.deb)"

lintian --fail-on error --no-tag-display-limit "$deb"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in "libfluidsynth3" "timgm6mb-soundfont | fluid-soundfont-gm" "libqt6widgets6"; do
  [[ "$depends" == *"$needed"* ]] || { echo "Depends lacks $needed: $depends" >&2; exit 1; }
done
contents="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/kelmar ./usr/share/doc/kelmar/copyright ./usr/share/doc/kelmar/changelog.Debian.gz \
  ./usr/share/man/man1/kelmar.1.gz ./usr/share/metainfo/org.example.brannoc.kelmar.metainfo.xml \
  ./usr/share/kelmar/translations/kelmar_de.qm ./usr/share/kelmar/translations/kelmar_fr.qm \
  ./usr/share/kelmar/translations/kelmar_es.qm; do
  grep -q " $file\$" <<<"$contents" || { echo "the package lacks $file" >&2; exit 1; }
done
echo "$(basename "$deb") is valid"
