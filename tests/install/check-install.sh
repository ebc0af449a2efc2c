#!/usr/bin/env bash
# Installs a build into a scratch folder as `cmake --install` does for users and checks
# that the programs, the desktop's files and the help land where a desktop looks for them.
#   check-install.sh BUILD_DIR [WITH_GUI=1]
set -euo pipefail
build=$1
with_gui=${2:-1}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"
(cd "$root" && find . -type f | sort)

missing=0
expect() {
  for f in "$@"; do
    if [ ! -f "$root/$f" ]; then echo "missing: $f"; missing=1; fi
  done
}
expect bin/obrix-cli bin/gfxpak share/doc/obrix/README.md
if [ "$with_gui" = 1 ]; then
  expect bin/obrix share/applications/org.brannoc.Obrix.desktop share/metainfo/org.brannoc.Obrix.metainfo.xml \
         share/icons/hicolor/scalable/apps/obrix.svg share/doc/obrix/help/index.html
  for language in de es it nl pt_BR sv ja; do
    expect "share/obrix/translations/obrix_${language}.qm" "share/doc/obrix/help/${language}/index.html" \
           "share/doc/obrix/help/${language}/style.css"
  done
  # The print module, loaded when the editor first prints, in a lib folder of its own.
  modules=$(cd "$root" && ls lib*/obrix/libobrix-print.so lib/*/obrix/libobrix-print.so 2>/dev/null || true)
  [ -n "$modules" ] || { echo "missing: lib/.../obrix/libobrix-print.so"; missing=1; }
  for size in 16 24 32 48 64 128 256; do
    png="share/icons/hicolor/${size}x${size}/apps/obrix.png"
    expect "$png"
    # A PNG of the size its folder names: width and height sit at bytes 16..23.
    if [ -f "$root/$png" ]; then
      dims=$(od -An -tu1 -j16 -N8 "$root/$png" | tr -s ' ')
      want=$(printf ' 0 0 %d %d 0 0 %d %d' $((size / 256)) $((size % 256)) $((size / 256)) $((size % 256)))
      [ "$dims" = "$want" ] || { echo "wrong size: $png ($dims)"; missing=1; }
    fi
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/share/applications/org.brannoc.Obrix.desktop" || missing=1
  fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/share/metainfo/org.brannoc.Obrix.metainfo.xml" || missing=1
  fi
fi
# Nothing installed may point back into the source or build tree.
if grep -rlI -e "$(cd "$build" && pwd)" "$root" 2>/dev/null; then echo "refers to the build tree"; missing=1; fi
# The installed programs run from their installed place.
rc=0
"$root/bin/gfxpak" >/dev/null 2>&1 || rc=$?
[ "$rc" -eq 2 ] || { echo "installed gfxpak does not run"; missing=1; }
exit $missing
