# The Windows build's package: `cpack -G ZIP` in the build folder makes
# zelkor-batch-<version>-win64.zip with zelkor-batch.exe, a short README and
# the licence notices of ZELKOR and of what the .exe links.
install(TARGETS zelkor-batch RUNTIME DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt DESTINATION . COMPONENT program)
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION licenses COMPONENT program)

# The notices of what is linked in, as Debian ships them with the tool chain.
set(zelkor_linked_notices
  "gcc-runtime.txt=/usr/share/doc/gcc-mingw-w64-base/copyright"
  "mingw-w64-runtime.txt=/usr/share/doc/mingw-w64-x86-64-dev/copyright"
  "fast_float.txt=/usr/share/doc/libfast-float-dev/copyright")
foreach(notice ${zelkor_linked_notices})
  string(REPLACE "=" ";" notice "${notice}")
  list(GET notice 0 name)
  list(GET notice 1 source)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "${source} is missing: tools/setup.sh installs the package that ships it")
  endif()
  install(FILES ${source} DESTINATION licenses RENAME ${name} COMPONENT program)
endforeach()

set(CPACK_PACKAGE_NAME "zelkor-batch")
set(CPACK_PACKAGE_VENDOR "The ZELKOR developers")
set(CPACK_SYSTEM_NAME "win64")
set(CPACK_GENERATOR "ZIP")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
include(CPack)
