#!/usr/bin/env bash
# Runs the Windows build's tests (scripts/build-windows.sh builds them)
# under Wine on a virtual display, in a fresh Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
# The release itself, from the outside: resources, imports, size, the zip.
/usr/bin/python3 scripts/check-windows-release.py build-windows
source scripts/wine-session.sh
trap wine_session_stop EXIT
wine_session_start build-windows
# A test that hangs (a window waiting for a display, a loop never left)
# fails after its time instead of stopping the whole run.
ctest --test-dir build-windows --output-on-failure --timeout 300 "$@"
bash scripts/e2e-windows.sh
# Full screen on the 1920 × 1080 display, at 100 % and at 150 %.
bash scripts/e2e-full-screen.sh wine 1
bash scripts/e2e-full-screen.sh wine 1.5
# The timers' tick period under Wine, printed to read (not checked: it
# depends on the machine's load).
bash scripts/measure-ticks-windows.sh 200
