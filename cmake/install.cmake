# What `cmake --install` puts on a desktop: the two programs, the desktop
# entry, the AppStream file, the icon and the man pages. One id names the
# desktop entry, the AppStream component and the icon.
include(GNUInstallDirs)

set(ZELKOR_APP_ID "org.zelkor.Zelkor")
set(ZELKOR_HOMEPAGE "https://zelkor.org" CACHE STRING "The program's home page, named in its AppStream file")
set(ZELKOR_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/desktop)
set(ZELKOR_DESKTOP_OUT ${PROJECT_BINARY_DIR}/desktop)
set(ZELKOR_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS zelkor-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
# The licence, where Debian looks for each package's.
install(FILES ${ZELKOR_DESKTOP_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelkor COMPONENT program)

configure_file(${ZELKOR_DESKTOP_DIR}/${ZELKOR_APP_ID}.metainfo.xml.in
               ${ZELKOR_DESKTOP_OUT}/${ZELKOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${ZELKOR_DESKTOP_DIR}/zelkor.1.in ${ZELKOR_DESKTOP_OUT}/zelkor.1 @ONLY)

# The batch tool's page comes from its --help at every build.
add_custom_command(
  OUTPUT ${ZELKOR_DESKTOP_OUT}/zelkor-batch.1
  COMMAND ${CMAKE_COMMAND} -DBATCH=$<TARGET_FILE:zelkor-batch> -DVERSION=${PROJECT_VERSION}
          -DOUTPUT=${ZELKOR_DESKTOP_OUT}/zelkor-batch.1 -P ${PROJECT_SOURCE_DIR}/cmake/batch_man_page.cmake
  DEPENDS zelkor-batch ${PROJECT_SOURCE_DIR}/cmake/batch_man_page.cmake
  COMMENT "Writing the zelkor-batch man page from its --help"
  VERBATIM)
add_custom_target(zelkor-batch-man ALL DEPENDS ${ZELKOR_DESKTOP_OUT}/zelkor-batch.1)
install(FILES ${ZELKOR_DESKTOP_OUT}/zelkor-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)

if(NOT TARGET zelkor)
  return()
endif()

install(TARGETS zelkor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES ${ZELKOR_DESKTOP_OUT}/zelkor.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
install(FILES ${ZELKOR_DESKTOP_DIR}/${ZELKOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(FILES ${ZELKOR_DESKTOP_OUT}/${ZELKOR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)
install(FILES ${ZELKOR_DESKTOP_DIR}/${ZELKOR_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT program)

# The fixed sizes are drawn from the SVG at build time.
find_program(ZELKOR_RSVG_CONVERT rsvg-convert)
if(ZELKOR_RSVG_CONVERT)
  set(icon_files "")
  foreach(size ${ZELKOR_ICON_SIZES})
    set(png ${ZELKOR_DESKTOP_OUT}/icons/${size}x${size}/${ZELKOR_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ZELKOR_DESKTOP_OUT}/icons/${size}x${size}
      COMMAND ${ZELKOR_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZELKOR_DESKTOP_DIR}/${ZELKOR_APP_ID}.svg
      DEPENDS ${ZELKOR_DESKTOP_DIR}/${ZELKOR_APP_ID}.svg
      VERBATIM)
    list(APPEND icon_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT program)
  endforeach()
  add_custom_target(zelkor-icons ALL DEPENDS ${icon_files})
else()
  message(WARNING "rsvg-convert not found (tools/setup.sh installs librsvg2-bin): only the scalable icon is installed")
endif()
