#!/usr/bin/env bash
# Measures the Windows build's 50 ms timer under Wine: the mean, 99th
# percentile and worst period between ticks (after scripts/build-windows.sh).
# A figure to read, not a test: it depends on the machine and its load.
#   measure-ticks-windows.sh [TICKS]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${WINEPREFIX:-}" ]; then
  source scripts/wine-session.sh
  trap wine_session_stop EXIT
  wine_session_start build-windows
fi
timeout 120 wine build-windows/tick-periods.exe "${1:-400}"
