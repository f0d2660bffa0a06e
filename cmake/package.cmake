# `cpack -G DEB` in the build folder: zelkor_<version>_amd64.deb with the
# program component only (the Python module's install rule points at the
# system interpreter's own folder and is left to its own package), its
# dependencies read from the binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "zelkor")
set(CPACK_PACKAGE_VENDOR "The ZELKOR developers")
set(CPACK_PACKAGE_CONTACT "The ZELKOR developers <developers@zelkor.org>" CACHE STRING "The Debian package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "post-processing of SRIM/TRIM ion-transport output")
set(CPACK_PACKAGE_DESCRIPTION
"ZELKOR reads the ions that left a SRIM/TRIM target (TRANSMIT.TXT), an
incident-ion table (TRIM.DAT) or a WinAGILE point file and gives energy,
momentum, position and angle statistics with an n-sigma filter, histograms
and their charts, emittance plots and the beam sigma matrix, a 4 x 4
transfer-matrix transform, file conversion and new TRIM.DAT beams from
beam-optics parameters. zelkor-batch does the same work from scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ZELKOR_HOMEPAGE}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "zelkor")
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};program;/")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plugin that draws on X11 or Wayland is loaded at run time,
# so no binary names it; Debian ships it in its own package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
