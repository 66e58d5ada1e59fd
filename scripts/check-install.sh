#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks what a desktop
# reads there: the desktop entry, the AppStream metainfo, the manual page,
# the icons and the translations.
# Usage: scripts/check-install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"

desktop-file-validate "$share/applications/kelmar.desktop"
appstreamcli validate --no-net --pedantic "$share"/metainfo/*.metainfo.xml
warnings="$(MANWIDTH=80 man --warnings -l "$share/man/man1/kelmar.1" 2>&1 >/dev/null)"
if [ -n "$warnings" ]; then
  echo "kelmar.1: $warnings" >&2
  exit 1
fi
for size in 48 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/kelmar.png"
  # Width and height: big-endian words at bytes 16 and 20 of the PNG header.
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4, $7*256+$8}')
  [ "$width $height" = "$size $size" ] || { echo "$icon is ${width}x$height" >&2; exit 1; }
done
# The manual page and the metainfo's newest release name the program's version.
version="$(env -u DISPLAY "$prefix/bin/kelmar" --version | cut -d' ' -f2)"
grep -q "^\.TH KELMAR 1 .* \"Kelmar $version\"" "$share/man/man1/kelmar.1" ||
  { echo "kelmar.1 does not name version $version" >&2; exit 1; }
grep -q "<release version=\"$version\"" "$share"/metainfo/*.metainfo.xml ||
  { echo "the metainfo has no release $version" >&2; exit 1; }
test -f "$share/icons/hicolor/scalable/apps/kelmar.svg"
test -x "$prefix/bin/kelmar"
test -f "$share/kelmar/manual/index.html"
# The translations the program finds at ../share/kelmar/translations, and uses.
for language in de fr es; do
  test -f "$share/kelmar/translations/kelmar_$language.qm"
done
env -u DISPLAY -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8 "$prefix/bin/kelmar" --help | grep -q '^Aufruf: kelmar' ||
  { echo "the installed program does not find its German translation" >&2; exit 1; }
echo "installed tree is valid"
