# `make package` (or `cmake --build build --target package`): a Debian package
# of the installed files, under /usr, named lochkartor_<version>_<arch>.deb.
# Its Depends come from dpkg-shlibdeps (dpkg-dev), plus what the programs load
# at run time that no linker sees.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lochkartor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "editor for the punched test cards of a card-programmed tube tester")
set(CPACK_PACKAGE_DESCRIPTION
  "Lochkartor is a desktop editor for the punched test cards of a card-programmed
electron-tube tester. The data of one tube is entered in a German form: name,
socket, tube type, heating, pin functions, operating point, desired values and
isolation test. While you type, the program shows the holes the card needs on
a picture of the universal card and on a blank card, and a validity check
tells whether the tube is wired as its type needs. The card can be saved as a
picture or printed at true size, and the tube data saved and loaded as *.tds
files.

lochkartor-render renders whole libraries of tube files into card pictures,
punch lists or JSON lines, and reads punched cards back from their holes or
from a scan.")

set(LOCHKARTOR_PACKAGE_MAINTAINER "Lochkartor developers <lochkartor@invalid>"
  CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LOCHKARTOR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt libraries come from dpkg-shlibdeps. Loaded at run time: "Arial" is
# drawn with Liberation Sans, scans in TIFF need Qt's extra image formats, and
# Qt's own dialogs and buttons speak German through Qt's translations. The
# platform plugins (xcb, offscreen) and JPEG come with libqt6gui6, printing to
# CUPS with libqt6printsupport6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-liberation, qt6-image-formats-plugins, qt6-translations-l10n")

include(CPack)
