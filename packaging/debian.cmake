# The Debian package, made with "cpack -G DEB" in a Release build (see
# "./ventoris.sh paket"). The libraries it needs are read from the program by
# dpkg-shlibdeps; what the program loads without linking is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ventoris)
# All four parts; CPack's default would drop the fourth.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessarix Softwareentwicklung GmbH")
set(CPACK_PACKAGE_CONTACT "Tessarix Softwareentwicklung GmbH <paket@tessarix.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.aerolis.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The font that stands in for "Arial" in windows and printouts, and Qt's own
# German texts for the dialogs and context menus.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6
Ventoris Lüftungskonzept entscheidet für eine Nutzungseinheit, ob nach
DIN 1946-6 (Ausgabe Mai 2009), Kapitel 4.2, lüftungstechnische Maßnahmen
notwendig sind. Nach jeder Eingabe zeigt es die vier Lüftungsstufen
(Feuchteschutz, reduzierte Lüftung, Nennlüftung, Intensivlüftung), den
Volumenstrom durch Infiltration und das Ergebnis in festen Sätzen.
.
Fälle werden als Projektdateien (.lkz) gespeichert und wieder geöffnet und
als zweiseitiges Ergebnisblatt mit Firmenlogo gedruckt. Die Oberfläche ist
deutsch.]])

include(CPack)
