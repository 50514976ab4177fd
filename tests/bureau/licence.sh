#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project names its licence on an SPDX line near its top, so a
# packager can cite it file by file.
set -u
racine="$1"
cd "$racine" || exit 1
manquants=$(find src tests tools bench fuzz scripts cmake dist \
                 \( -path tests/data -o -name build \) -prune -o -type f \
                 \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name 'CMakeLists.txt' \
                    -o -name '*.cmake' -o -name '*.1' \) -print 2>/dev/null |
             while read -r f; do head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"; done)
for f in CMakeLists.txt .ci/run; do
  head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || manquants+=$'\n'"$f"
done
manquants=$(sed '/^$/d' <<<"$manquants")
if [ -n "$manquants" ]; then
  echo "Fichiers sans ligne SPDX :"
  echo "$manquants"
  exit 1
fi
[ -f COPYING ] && grep -q 'GNU GENERAL PUBLIC LICENSE' COPYING || { echo "COPYING absent"; exit 1; }
