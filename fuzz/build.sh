#!/bin/sh
# Builds the RTF fuzz target with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, apart from the gcc build (Debian: clang, libclang-rt-14-dev).
# Usage: fuzz/build.sh [output folder, default build/fuzz]
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:-"$racine/build/fuzz"}
mkdir -p "$sortie"
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$racine/src" $(pkg-config --cflags Qt6Gui) \
    "$racine"/src/rtf/*.cpp "$racine/fuzz/fuzz_rtf.cpp" \
    $(pkg-config --libs Qt6Gui) \
    -o "$sortie/fuzz_rtf"
echo "$sortie/fuzz_rtf"
