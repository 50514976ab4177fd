#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry, the file types and the software-centre description validate with the
# desktop's own tools. Skipped (status 77) on a machine without them.
set -u
dist="$1"
absents=()
for outil in desktop-file-validate appstreamcli xmllint; do
  command -v "$outil" >/dev/null || absents+=("$outil")
done
if [ ${#absents[@]} -gt 0 ]; then
  echo "Validateurs absents : ${absents[*]} (paquets desktop-file-utils, appstream, libxml2-utils)"
  exit 77
fi
echec=0
desktop-file-validate "$dist/baltor.desktop" || echec=1
appstreamcli validate --no-net --pedantic "$dist/fr.baltor.baltor.metainfo.xml" || echec=1
xmllint --noout "$dist/baltor-mime.xml" || echec=1
# The types the entry opens are the ones the MIME file declares.
for type in $(sed -n 's/^MimeType=//p' "$dist/baltor.desktop" | tr ';' ' '); do
  grep -q "mime-type type=\"$type\"" "$dist/baltor-mime.xml" || { echo "Type $type non déclaré"; echec=1; }
done
# The manual page reads without warnings.
if command -v groff >/dev/null; then
  avertissements=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$dist/baltor.1" 2>&1)
  [ -z "$avertissements" ] || { echo "$avertissements"; echec=1; }
fi
exit $echec
