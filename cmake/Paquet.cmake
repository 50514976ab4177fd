# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: "cpack -G DEB" in the build folder (or scripts/paquet.sh) gives
# baltor_<version>_amd64.deb, which installs with "apt install ./baltor_….deb".
set(CPACK_PACKAGE_NAME baltor)
set(CPACK_PACKAGE_VENDOR "Les développeurs de Baltor")
# The maintainer is whoever builds the package (Debian's DEBFULLNAME and DEBEMAIL).
if(DEFINED ENV{DEBEMAIL})
  set(CPACK_PACKAGE_CONTACT "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(CPACK_PACKAGE_CONTACT "Les développeurs de Baltor")
  if(BALTOR_PAQUET)
    message(WARNING "DEBEMAIL (and DEBFULLNAME) unset: the package's Maintainer field has no address")
  endif()
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulateur du mouvement d'un projectile pour le lycée")
set(CPACK_PACKAGE_DESCRIPTION "Baltor anime le vol d'un projectile lancé sur la Terre, la Lune ou Mars,
enregistre une chronophotographie avec ses vecteurs vitesse, trace les graphes
x(t), y(t) et y(x), propose des exercices corrigés, un cours, une aide et une
calculatrice scientifique. Tous les textes sont en français.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries found by dpkg-shlibdeps, plus what Qt loads at run time without linking it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n, libzip4")
# The exported Python scripts draw with matplotlib.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-matplotlib")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
set(CPACK_GENERATOR DEB)
# As Debian's own packages: the compiler's .comment section goes with the stripping.
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND objcopy --remove-section=.comment "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/baltor")
  endif()
]])
include(CPack)
