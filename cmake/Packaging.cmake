# The Debian package of the program: in a release build folder,
#   cmake --build . --target package     (or: cpack -G DEB)
# gives ordalis_<version>_<arch>.deb, for `apt install ./ordalis_*.deb`. It
# holds what the install rules place under /usr: the program, its data
# folder (help pages, tips), the desktop entry and the icon. The run-time
# libraries it needs are found by dpkg-shlibdeps (package dpkg-dev) from
# the program itself; the Qt plugins it loads come with those libraries on
# Debian 12 (xcb platform in libqt6gui6, SVG in libqt6svg6, sound in
# libqt6multimedia6).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordalis)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Boîte à outils pour les fichiers d'un dossier")
set(CPACK_PACKAGE_DESCRIPTION "Renomme par lots, change les extensions, les dates et les attributs des \
fichiers d'un dossier, recherche des fichiers et du texte, crypte des textes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ordalis <ordalis@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland sessions and French Qt dialogs; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
