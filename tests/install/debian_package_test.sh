#!/usr/bin/env bash
# Builds the Debian package and checks what it holds and what it asks for.
# Usage: debian_package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null)
package=$scratch/gqc-monitor_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no $package: $(ls "$scratch")"

[ "$(dpkg-deb -f "$package" Package)" = gqc-monitor ] || fail "package name"
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6serialport6 libqt6printsupport6 libqt6charts6 \
    qt6-qpa-plugins libxlsxwriter4 libzip4 libpugixml1v5; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

files=$(dpkg-deb -c "$package" | awk '{ print $6 }')
for file in bin/gqc_monitor bin/gqc_cli bin/gqc_sim share/gqc_monitor/day_report_title.xlsx \
    share/gqc_monitor/mon_report_title.xlsx share/applications/gqc_monitor.desktop \
    share/icons/hicolor/scalable/apps/gqc_monitor.svg share/icons/hicolor/16x16/apps/gqc_monitor.png \
    share/man/man1/gqc_cli.1 share/man/man1/gqc_sim.1; do
    grep -qxF "./usr/$file" <<<"$files" || fail "the package lacks /usr/$file"
done
if grep -v -e '^\./$' -e '^\./usr/' <<<"$files"; then fail "files outside /usr"; fi
echo "$package: $depends"
