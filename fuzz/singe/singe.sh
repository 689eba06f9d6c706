#!/usr/bin/env bash
# Runs the monkey test on a private Xvfb display.
# Usage: singe.sh <singe executable> [seed] [actions] [seconds at most];
# SINGE_GRAINE, SINGE_ACTIONS and SINGE_SECONDES override the last three.
set -u
. "$(dirname "$0")/../../scripts/xvfb-lib.sh"
demarre_xvfb || exit 1
QT_QPA_PLATFORM=xcb "$1" "${SINGE_GRAINE:-${2:-1}}" "${SINGE_ACTIONS:-${3:-2000}}" "${SINGE_SECONDES:-${4:-600}}"
