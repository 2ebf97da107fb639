#!/usr/bin/env bash
# Unpacks the Debian package into a temporary folder and runs the installed tool from
# there: what the package holds, what it depends on, and that the tool works.
# Exit 77 (skipped) when no package has been built.
set -euo pipefail
build=$1 version=$2
deb=${MX_PACKAGE:-$( (ls "$build"/mx7100_"$version"_*.deb 2>/dev/null || true) | head -n1)}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "no package built (run cpack in $build, or scripts/package and set MX_PACKAGE)"
  exit 77
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in usr/bin/mx7100 usr/bin/mx7100-calc usr/share/applications/mx7100.desktop \
         usr/share/icons/hicolor/scalable/apps/mx7100.svg usr/share/icons/hicolor/48x48/apps/mx7100.png \
         usr/share/icons/hicolor/256x256/apps/mx7100.png \
         usr/share/man/man1/mx7100.1.gz usr/share/man/man1/mx7100-calc.1.gz \
         usr/share/mx7100/translations/qt_th.qm usr/share/doc/mx7100/copyright; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
[ -x "$root/usr/bin/mx7100-calc" ] || fail "mx7100-calc is not executable"

desktop=$root/usr/share/applications/mx7100.desktop
for key in '^Exec=mx7100$' '^Icon=mx7100$' '^Name\[th\]=' '^Comment\[th\]=' '^Comment=' '^Categories=.*Engineering'; do
  grep -q "$key" "$desktop" || fail "the desktop entry has no $key"
done
grep -q '^License: GPL-2+$' "$root/usr/share/doc/mx7100/copyright" || fail "the copyright file does not name GPL-2+"
zcat "$root/usr/share/man/man1/mx7100-calc.1.gz" | grep -q '^\.SH BATCH' || fail "the tool's manual page has no BATCH section"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-thai-tlwg libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6; do
  [[ $depends == *"$dep"* ]] || fail "the package does not depend on $dep: $depends"
done

tool=$root/usr/bin/mx7100-calc
[ "$("$tool" --version)" = "mx7100-calc $version" ] || fail "--version"
"$tool" beam --help | grep -q 'Text3 *width' || fail "beam --help"
"$tool" beam type=1 grade=SD30 span=4 load=1200 width=25 depth=50 --sheet "$root/beam.pdf" | grep -q '"status": 2' ||
  fail "the installed tool did not design the beam"
head -c 4 "$root/beam.pdf" | grep -q '%PDF' || fail "no sheet written"
echo "package $deb: contents, dependencies and the installed tool are sound"
