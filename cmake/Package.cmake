# SPDX-License-Identifier: MIT
# `make package` (or `cpack` in the build folder): a Debian package of
# everything that Install.cmake and app/CMakeLists.txt install.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quillon developers")
# An address of the reserved .invalid domain: the project has no mail host,
# and lintian accepts it where it refuses a local host.
set(CPACK_PACKAGE_CONTACT "${QUILLON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "converts PCB plot files into CAM350, Genesis and Gerber files")
# Debian shows the description in 80 columns: lines of at most 72.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillon reads a binary PCB plot file and an optional pin description\n\
and writes a CAM350 macro, a Genesis C-shell script, Gerber RS274X\n\
layer files, a fab package (Gerber X2, Excellon, job file) or a preview\n\
of the board. It comes as a desktop window (quillon, in English and\n\
Russian) and a command-line tool (quillon-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the two programs link come from the binaries themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Russian texts for the standard buttons of the message boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
