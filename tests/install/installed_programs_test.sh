#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the programs from there: they must
# find their data in the prefix, and nothing installed may point back into the build tree.
# Usage: installed_programs_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(realpath "$1")
version=$2
scratch=$(mktemp -d)
sim_pid=
finish() {
    if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap finish EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" --strip >/dev/null

for file in bin/gqc_monitor bin/gqc_cli bin/gqc_sim \
    share/gqc_monitor/day_report_title.xlsx share/gqc_monitor/mon_report_title.xlsx \
    share/applications/gqc_monitor.desktop share/icons/hicolor/scalable/apps/gqc_monitor.svg \
    share/man/man1/gqc_monitor.1 share/man/man1/gqc_cli.1 share/man/man1/gqc_sim.1; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/gqc_monitor.png" | grep -q "PNG image data, $size x $size" ||
        fail "no ${size}x${size} icon"
done
grep -q -- '\\-\\-workdir' "$prefix/share/man/man1/gqc_cli.1" || fail "gqc_cli.1 lacks the options"
grep -q -- '\\-\\-faults' "$prefix/share/man/man1/gqc_sim.1" || fail "gqc_sim.1 lacks the options"

# As written, and as a manual page writes it (each minus as \-).
if grep -rlF -e "$build" -e "${build//-/\\-}" "$prefix"; then fail "the files above name the build tree $build"; fi
for program in "$prefix"/bin/*; do
    if readelf -d "$program" | grep -Eq 'RPATH|RUNPATH'; then fail "$program keeps a run path"; fi
done

[ "$("$prefix/bin/gqc_cli" --version)" = "gqc_cli $version" ] || fail "gqc_cli --version"
# Without a display: a window system would abort the program before it printed anything.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/gqc_monitor" --version)" = "gqc_Monitor $version" ] ||
    fail "gqc_monitor --version"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/gqc_monitor" --help)
grep -q -- '--workdir <DIR>' <<<"$help" || fail "gqc_monitor --help"

# The report templates lie only in share/gqc_monitor: the report must be made from there. The
# prefix is writable, but an installed program keeps its files in the per-user directory.
coproc sim { exec "$prefix/bin/gqc_sim" --tcp 127.0.0.1:0 --clock "2026-03-15 10:07:30"; }
sim_pid=$sim_PID
read -r kind endpoint <&"${sim[0]}" || fail "the simulator did not start"
[ "$kind" = tcp ] || fail "the simulator said: $kind $endpoint"
"$prefix/bin/gqc_cli" --workdir "$scratch/work" --tcp "$endpoint" identify >"$scratch/identify.txt" || fail "identify"
[ -s "$scratch/identify.txt" ] || fail "identify printed nothing"
XDG_DATA_HOME=$scratch/user "$prefix/bin/gqc_cli" --tcp "$endpoint" report xlsx-day --object Test --date 2026-03-14 \
    2>"$scratch/report.txt" || fail "report: $(cat "$scratch/report.txt")"
[ -s "$scratch/user/gqc_Monitor/REPORT/Test_day_260314.xlsx" ] || fail "no day report in the per-user directory"
[ ! -e "$prefix/bin/INI" ] || fail "the working directory was made beside the installed program"
echo "installed programs run from $prefix"
