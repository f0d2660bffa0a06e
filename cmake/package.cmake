# `cpack -G DEB` in the build folder: zelkor_<version>_amd64.deb (the
# program component) and, when the Python module was built,
# python3-zelkor_<version>_amd64.deb (the python component). The binaries'
# library dependencies are read from them by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "zelkor")
set(CPACK_PACKAGE_VENDOR "The ZELKOR developers")
set(CPACK_PACKAGE_CONTACT "The ZELKOR developers <developers@zelkor.org>" CACHE STRING "The Debian packages' maintainer")
set(CPACK_PACKAGE_HOMEPAGE_URL "${ZELKOR_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_COMPONENTS_ALL program)

# Each package's first description line is its summary (Debian's rule).
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME "zelkor")
set(CPACK_DEBIAN_PROGRAM_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
"post-processing of SRIM/TRIM ion-transport output
ZELKOR reads the ions that left a SRIM/TRIM target (TRANSMIT.TXT), an
incident-ion table (TRIM.DAT) or a WinAGILE point file and gives energy,
momentum, position and angle statistics with an n-sigma filter, histograms
and their charts, emittance plots and the beam sigma matrix, a 4 x 4
transfer-matrix transform, file conversion and new TRIM.DAT beams from
beam-optics parameters. zelkor-batch does the same work from scripts.")
# The Qt platform plugin for Wayland is loaded at run time, so no binary
# names it; X11's comes with libqt6gui6.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-wayland")

if(TARGET zelkor_python)
  # The module is built for one interpreter's minor version; it finds numpy at import.
  execute_process(COMMAND ${ZELKOR_PYTHON} -c "import sys; print(sys.version_info[0], sys.version_info[1])"
                  OUTPUT_VARIABLE python_version OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE " " ";" python_version "${python_version}")
  list(GET python_version 0 python_major)
  list(GET python_version 1 python_minor)
  math(EXPR python_next "${python_minor} + 1")
  list(APPEND CPACK_COMPONENTS_ALL python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME "python3-zelkor")
  set(CPACK_DEBIAN_PYTHON_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION "python")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      "python3 (>= ${python_major}.${python_minor}), python3 (<< ${python_major}.${python_next}), python3-numpy")
  set(CPACK_DEBIAN_PYTHON_DESCRIPTION
"ZELKOR's core for Python scripts
import zelkor loads SRIM/TRIM ion tables (TRANSMIT.TXT, TRIM.DAT, WinAGILE
point files) with the ions as numpy arrays, and gives the statistics,
filters, optics and beam generation of the ZELKOR desktop program.")
endif()
include(CPack)
