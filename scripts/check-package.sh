#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# and checks that everything a user needs is in it and where it belongs.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
package=$(ls "$scratch"/out/*.deb)
echo "package: $(basename "$package")"
dpkg-deb --info "$package" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\): /  \1: /p'
dpkg-deb -x "$package" "$scratch/root"

fail=0
for path in \
  usr/bin/rashi-drishti \
  usr/bin/rashi-drishti-browser \
  usr/bin/rashi-drishti-report \
  usr/share/applications/rashi-drishti.desktop \
  usr/share/mime/packages/rashi-drishti.xml \
  usr/share/metainfo/example.tarvek.RashiDrishti.metainfo.xml \
  usr/share/icons/hicolor/48x48/apps/rashi-drishti.png \
  usr/share/icons/hicolor/scalable/apps/rashi-drishti.svg \
  usr/share/rashi-drishti/manual/index.html \
  usr/share/rashi-drishti/places.atlas \
  usr/share/rashi-drishti/places.sqlite \
  usr/share/rashi-drishti/NOTICE \
  usr/share/doc/rashi-drishti/copyright \
  usr/share/doc/rashi-drishti/changelog.gz \
  usr/share/man/man1/rashi-drishti.1.gz \
  usr/share/man/man1/rashi-drishti-report.1.gz \
  usr/share/man/man1/rashi-drishti-browser.1.gz
do
  [ -e "$scratch/root/$path" ] || { echo "missing: /$path"; fail=1; }
done
for program in rashi-drishti rashi-drishti-browser rashi-drishti-report; do
  [ -x "$scratch/root/usr/bin/$program" ] || { echo "not executable: $program"; fail=1; }
done
dpkg-deb --field "$package" Depends | grep -q libqt6widgets6 || { echo "no dependency on Qt Widgets"; fail=1; }
# The report tool runs from the unpacked tree.
"$scratch/root/usr/bin/rashi-drishti-report" --help >/dev/null || { echo "the report tool does not run"; fail=1; }
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/example.tarvek.RashiDrishti.metainfo.xml" \
  || { echo "metainfo does not validate"; fail=1; }
# desktop-file-validate prints hints and warnings but fails on errors only:
# any output at all counts.
report=$(desktop-file-validate "$scratch/root/usr/share/applications/rashi-drishti.desktop" 2>&1) \
  && [ -z "$report" ] || { echo "the desktop entry does not validate:"; echo "$report"; fail=1; }
# The desktop entry opens the chart files' type, and that type is the one declared.
grep -qx "MimeType=application/x-rashi-drishti-chart;" "$scratch/root/usr/share/applications/rashi-drishti.desktop" \
  || { echo "the desktop entry declares no chart file type"; fail=1; }
grep -q 'mime-type type="application/x-rashi-drishti-chart"' "$scratch/root/usr/share/mime/packages/rashi-drishti.xml" \
  || { echo "the chart file type is not declared"; fail=1; }
grep -q 'glob pattern="\*.kqa"' "$scratch/root/usr/share/mime/packages/rashi-drishti.xml" \
  || { echo "the chart file type has no *.kqa"; fail=1; }
grep -q "GeoNames" "$scratch/root/usr/share/doc/rashi-drishti/copyright" \
  || { echo "the copyright file does not credit GeoNames"; fail=1; }
# Debian's own checks: no error and no warning.
lintian_options=(--fail-on error,warning)
[ "$(id -u)" = 0 ] && lintian_options+=(--allow-root)
lintian "${lintian_options[@]}" "$package" || { echo "lintian reports the package"; fail=1; }
[ $fail = 0 ] && echo "package contents: ok"
exit $fail
