# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install` installs,
# under /usr. dpkg-shlibdeps works out the libraries it depends on.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolvenar)
set(CPACK_PACKAGE_VENDOR Quorvin)
set(CPACK_PACKAGE_CONTACT "Kolvenar maintainers <maintainers@kolvenar.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kolvenar.org)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the font every window is set in. The xcb window system plugin comes
# with libqt6gui6. Opening the guide and the export folder goes through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# German texts in Qt's own dialogs (the file dialog of "Speichern unter …").
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator for the elemental resonance of the chemical elements")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kolvenar computes the Zuzovudezivudizer, an elemental resonance: for every
chemical element Z and a whole number N the wavelength L = Z x Cx x 2^N, and
from it frequency, period, area and volume in the units you pick.
.
It shows them in a table that can be sorted by any column and copied to the
clipboard, searches all 118 elements and N from -900 to 900 for a value
within a tolerance, converts between frequency and wavelength, and saves the
table as an Excel workbook (.xlsx) or as a text file for spreadsheet
programs.
.
Its Mehrfachsuche (multiple search) takes a whole list of measured values,
such as the lines of a spectrum, and ranks the elements by how many of them
each explains, with the chance of matching that many by accident and a
picture of the hits. The same ranking comes from the command line without a
window: kolvenar --mehrfachsuche FILE.
.
The interface and the user guide are in German.")

include(CPack)
