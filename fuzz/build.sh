#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, in
# build/fuzz apart from the other builds (Debian: clang, libclang-rt-14-dev).
# Usage: fuzz/build.sh [target ...]   (default: every target of fuzz/run.sh)
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
[ $# -gt 0 ] || set -- $("$racine/fuzz/run.sh" --liste)
cibles=""
for c in "$@"; do cibles="$cibles --target fuzz_$c"; done
cmake --preset fuzz >/dev/null
# shellcheck disable=SC2086
cmake --build build/fuzz $cibles
