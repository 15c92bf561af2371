#!/usr/bin/env bash
# The demo: a simulated controller on loopback TCP and the program with a working
# directory whose Ethernet subscriber list holds it, so connecting takes two clicks.
# Without a display the program runs under Xvfb for a few seconds and gqc_cli
# identifies the simulated controller instead.
set -euo pipefail
cd "$(dirname "$0")/.."
workdir=${GQC_WORKDIR:-$PWD/build/demo}
mkdir -p "$workdir/INI"

simulator_output=$(mktemp)
build/sim/gqc_sim --tcp 127.0.0.1:0 >"$simulator_output" &
simulator=$!
trap 'kill "$simulator" 2>/dev/null; rm -f "$simulator_output"' EXIT
for _ in $(seq 50); do
    grep -q '^tcp ' "$simulator_output" && break
    sleep 0.1
done
endpoint=$(sed -n 's/^tcp //p' "$simulator_output")
port=${endpoint##*:}
echo "Simulated controller listening on $endpoint"

# One Ethernet subscriber, the simulator (127.0.0.1 is 2130706433), chosen by
# default; the settings file keeps what the operator changed in earlier runs.
# Subscriber lists are Windows-1251 on disk.
printf '[ETHERNET_CONN_PAR]\r\nusers_num=1\r\nuser_index=0\r\nsort_prz=0\r\n\r\n[ETHERNET_ABONENT_1]\r\nuser_name=Симулятор контроллера\r\ncontr_adr=1\r\nip_adr=2130706433\r\nport=%s\r\n' \
    "$port" | iconv -f UTF-8 -t WINDOWS-1251 >"$workdir/INI/ethr_abonents.ini"
[ -f "$workdir/INI/gqc.ini" ] || printf '[CURR_PAR]\r\nConn_Prz=2\r\n' >"$workdir/INI/gqc.ini"

if [ -n "${DISPLAY:-}" ]; then
    build/src/forms/gqc_monitor --workdir "$workdir"
    exit 0
fi

echo "No display: running gqc_monitor under Xvfb for 5 seconds (working directory $workdir)."
timeout 5 xvfb-run -a build/src/forms/gqc_monitor --workdir "$workdir" || [ $? -eq 124 ]
echo "gqc_monitor started and was closed. gqc_cli identifies the simulated controller:"
build/src/cli/gqc_cli --workdir "$workdir" --tcp "$endpoint" identify
