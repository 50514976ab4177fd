#!/bin/sh
# Runs the RTF fuzz target seeded with the test corpus.
# Usage: fuzz/run.sh [number of inputs, default 1000000] [more libFuzzer options]
# Findings land in build/fuzz/artifacts/; copy each one, renamed *.rtf, into
# tests/data/rtf/fuzz/ so that tst_rtf_fuzz_regressions replays it.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier="$racine/build/fuzz"
runs=${1:-1000000}
[ $# -gt 0 ] && shift
[ -x "$dossier/fuzz_rtf" ] || "$racine/fuzz/build.sh" "$dossier" >/dev/null
mkdir -p "$dossier/corpus" "$dossier/artifacts"
find "$racine/tests/data/rtf" -name '*.rtf' -exec cp {} "$dossier/corpus/" \;
export QT_QPA_PLATFORM=offscreen
exec "$dossier/fuzz_rtf" -runs="$runs" -max_len=8192 -timeout=10 -rss_limit_mb=3072 \
    -dict="$racine/fuzz/rtf.dict" -artifact_prefix="$dossier/artifacts/" -print_final_stats=1 \
    "$@" "$dossier/corpus"
