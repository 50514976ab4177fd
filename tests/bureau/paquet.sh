#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder and checks what it holds: the program
# (stripped), its data, the desktop integration, the manual page, the licence and the declared
# dependencies. Skipped (status 77) without dpkg-deb.
set -u
build="$1"
command -v dpkg-deb >/dev/null && command -v cpack >/dev/null || { echo "dpkg-deb ou cpack absent"; exit 77; }
[ -x "$build/bin/baltor" ] || { echo "Programme non construit dans $build"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
( cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log 2>&1 ) || { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/baltor_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "Pas de baltor_<version>_amd64.deb"; ls "$tmp"; exit 1; }
echo "Paquet : $(basename "$deb")"
contenu=$(dpkg-deb -c "$deb" | awk '{print $6}')
echec=0
for f in ./usr/bin/baltor ./usr/share/baltor/terre.jpg ./usr/share/baltor/lune.jpg ./usr/share/baltor/mars.jpg \
         ./usr/share/baltor/pom.wav ./usr/share/baltor/projectile1.png \
         ./usr/share/baltor/BALTOR.PEM ./usr/share/baltor/04_trois_astres.E03 \
         ./usr/share/baltor/exercices/04_trois_astres.P03 ./usr/share/baltor/exercices/04_trois_astres.rtf \
         ./usr/share/baltor/aide/index.html \
         ./usr/share/applications/baltor.desktop ./usr/share/mime/packages/baltor.xml \
         ./usr/share/metainfo/fr.baltor.baltor.metainfo.xml ./usr/share/man/man1/baltor.1.gz \
         ./usr/share/doc/baltor/copyright \
         ./usr/share/icons/hicolor/16x16/apps/baltor.png ./usr/share/icons/hicolor/48x48/apps/baltor.png \
         ./usr/share/icons/hicolor/128x128/apps/baltor.png ./usr/share/icons/hicolor/256x256/apps/baltor.png; do
  grep -qxF "$f" <<<"$contenu" || { echo "Absent du paquet : $f"; echec=1; }
done
# Nothing of the build or the tests is shipped.
if grep -E '/(tst_|baltor-bench|genere-)' <<<"$contenu"; then echo "Programmes de test dans le paquet"; echec=1; fi
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends : $depends"
for d in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$d" <<<"$depends" || { echo "Dépendance manquante : $d"; echec=1; }
done
dpkg-deb -x "$deb" "$tmp/racine"
if command -v readelf >/dev/null && readelf -S "$tmp/racine/usr/bin/baltor" | grep -q '\.debug_info'; then
  echo "Le programme installé n'est pas dépouillé de ses informations de débogage"; echec=1
fi
exit $echec
