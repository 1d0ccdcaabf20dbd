#!/usr/bin/env bash
# Runs a command on a virtual X display of its own and ends the display
# after it; the command's exit code is this script's.
#   on-display.sh WIDTHxHEIGHT COMMAND...
set -euo pipefail
source "$(dirname "$0")/x-display.sh"
size=$1
shift
start_display "$size"
trap 'kill "$display_pid" 2>/dev/null || true' EXIT
status=0
"$@" || status=$?
exit "$status"
