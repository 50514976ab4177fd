#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Baltor (installing what it needs) and runs the whole test suite, without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
# --sanitize: the same suite built by clang with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer in build/sanitize, apart from the normal build; the first report fails the test.
preset=default
if [ "${1:-}" = "--sanitize" ]; then
  preset=sanitize
  shift
  scripts/setup.sh --sanitize
else
  scripts/setup.sh
fi
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" "$@"
