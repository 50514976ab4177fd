#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target, or all of them in turn, seeded with the corpus kept in fuzz/corpus/ and
# with the inputs that once failed (tests/data/fuzz/, tests/data/rtf/); the description target
# also starts from the exercises delivered in data/.
# Usage: fuzz/run.sh TARGET|all [SECONDS, default 60; 0: no limit] [more libFuzzer options]
#        fuzz/run.sh --liste
# Findings land in build/fuzz/artifacts/TARGET/; copy each one into tests/data/fuzz/TARGET/
# (tests/data/rtf/fuzz/ for rtf) so that the regression tests replay it.
set -eu
racine=$(cd "$(dirname "$0")/.." && pwd)
dossier="$racine/build/fuzz"
cibles="nombre saisie calcul configuration description rtf"

if [ "${1:-}" = "--liste" ]; then
    echo "$cibles"
    exit 0
fi
[ $# -gt 0 ] || { sed -n '3,9p' "$0"; exit 2; }
cible=$1
shift
secondes=${1:-60}
[ $# -gt 0 ] && shift

if [ "$cible" = all ]; then
    "$racine/fuzz/build.sh" $cibles
    for c in $cibles; do
        echo "== $c"
        "$0" "$c" "$secondes" "$@"
    done
    exit 0
fi

# Per target: the longest input worth trying and the dictionary.
case $cible in
    rtf) longueur=8192; dictionnaire=rtf.dict ;;
    calcul) longueur=96; dictionnaire=calcul.dict ;;
    nombre | saisie) longueur=400; dictionnaire=nombre.dict ;;
    configuration) longueur=1600; dictionnaire=configuration.dict ;;
    description) longueur=1700; dictionnaire=description.dict ;;
    *) echo "unknown target: $cible (one of: $cibles, all)" >&2; exit 2 ;;
esac
[ -x "$dossier/fuzz_$cible" ] || "$racine/fuzz/build.sh" "$cible"

corpus="$dossier/corpus/$cible"
artefacts="$dossier/artifacts/$cible"
mkdir -p "$corpus" "$artefacts"
for source in "$racine/fuzz/corpus/$cible" "$racine/tests/data/fuzz/$cible"; do
    [ -d "$source" ] && find "$source" -type f -exec cp {} "$corpus/" \;
done
[ "$cible" = rtf ] && find "$racine/tests/data/rtf" -name '*.rtf' -exec cp {} "$corpus/" \;
[ "$cible" = description ] && find "$racine/data" -maxdepth 1 \( -name '*.E03' -o -name BALTOR.PEM \) -exec cp {} "$corpus/" \;

export QT_QPA_PLATFORM=offscreen
exec "$dossier/fuzz_$cible" -max_total_time="$secondes" -max_len="$longueur" -timeout=10 \
    -rss_limit_mb=3072 -dict="$racine/fuzz/$dictionnaire" -artifact_prefix="$artefacts/" \
    -print_final_stats=1 "$@" "$corpus"
