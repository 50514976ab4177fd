#!/usr/bin/env bash
# Builds Baltor (installing what it needs) and runs the whole test suite, without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --preset default "$@"
