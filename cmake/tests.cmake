# Checks of what the install puts on a desktop (see install.cmake).
find_program(ZELKOR_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(ZELKOR_APPSTREAMCLI appstreamcli)
if(NOT ZELKOR_DESKTOP_FILE_VALIDATE OR NOT ZELKOR_APPSTREAMCLI)
  message(WARNING "desktop-file-validate or appstreamcli missing (tools/setup.sh installs them): their tests will fail")
endif()

if(TARGET zelkor)
  add_test(NAME desktop_entry_valid
           COMMAND desktop-file-validate ${ZELKOR_DESKTOP_DIR}/${ZELKOR_APP_ID}.desktop)
  add_test(NAME appstream_valid
           COMMAND appstreamcli validate --no-net --pedantic ${ZELKOR_DESKTOP_OUT}/${ZELKOR_APP_ID}.metainfo.xml)
  add_test(NAME install_tree
           COMMAND ${CMAKE_COMMAND} -DBUILD=${PROJECT_BINARY_DIR} -DROOT=${PROJECT_BINARY_DIR}/install-tree-check
                   -DAPP_ID=${ZELKOR_APP_ID} -P ${PROJECT_SOURCE_DIR}/cmake/check_install_tree.cmake)
  # --version and --help answer before any window exists, so they need no display.
  add_test(NAME zelkor_version_without_display
           COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                   $<TARGET_FILE:zelkor> --version)
  set_tests_properties(zelkor_version_without_display PROPERTIES PASS_REGULAR_EXPRESSION "^zelkor ${PROJECT_VERSION}\nLicense GPL-3.0-or-later")
  # So is a mistake: the usage and exit status 2.
  add_test(NAME zelkor_bad_option_without_display
           COMMAND sh -c "out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$1\" --bad-option 2>&1); \
status=$?; printf '%s\\n' \"$out\"; test $status -eq 2 && printf '%s' \"$out\" | grep -q '^usage: zelkor'"
                   sh $<TARGET_FILE:zelkor>)
endif()
