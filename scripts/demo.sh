#!/usr/bin/env bash
# Starts the program; without a display it runs under Xvfb for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
workdir=${GQC_WORKDIR:-$PWD/build/demo}
mkdir -p "$workdir"
if [ -n "${DISPLAY:-}" ]; then
    exec build/src/forms/gqc_monitor --workdir "$workdir"
fi
echo "No display: running gqc_monitor under Xvfb for 5 seconds (working directory $workdir)."
timeout 5 xvfb-run -a build/src/forms/gqc_monitor --workdir "$workdir" || [ $? -eq 124 ]
echo "gqc_monitor started and was closed; its working directory now holds:"
ls "$workdir"
