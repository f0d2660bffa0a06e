# Installs the build into a temporary root and checks that a desktop finds
# everything it looks for there:
#   cmake -DBUILD=build -DROOT=/tmp/x -DAPP_ID=org.zelkor.Zelkor -P check_install_tree.cmake
file(REMOVE_RECURSE "${ROOT}")
set(ENV{DESTDIR} "${ROOT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(prefix "${ROOT}/usr")
set(expected
  bin/zelkor
  bin/zelkor-batch
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/icons/hicolor/48x48/apps/${APP_ID}.png
  share/icons/hicolor/256x256/apps/${APP_ID}.png
  share/man/man1/zelkor.1
  share/man/man1/zelkor-batch.1
  share/doc/zelkor/copyright)
set(missing "")
foreach(path ${expected})
  if(NOT EXISTS "${prefix}/${path}")
    list(APPEND missing "${path}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing from the install tree: ${missing}")
endif()

# The page must list every command the installed tool knows.
execute_process(COMMAND "${prefix}/bin/zelkor-batch" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
file(READ "${prefix}/share/man/man1/zelkor-batch.1" page)
string(REGEX MATCHALL "usage: zelkor-batch [a-z-]+" commands "${help}")
list(LENGTH commands count)
if(NOT status EQUAL 0 OR count EQUAL 0)
  message(FATAL_ERROR "the installed zelkor-batch --help failed or lists no command")
endif()
foreach(command ${commands})
  string(REGEX REPLACE "^usage: zelkor-batch " "" name "${command}")
  string(REPLACE "-" "\\-" name "${name}")
  string(FIND "${page}" "zelkor\\-batch ${name} " at)
  if(at EQUAL -1)
    message(FATAL_ERROR "zelkor-batch.1 does not name the command ${name}")
  endif()
endforeach()
file(REMOVE_RECURSE "${ROOT}")
message(STATUS "install tree complete: ${count} batch commands in the man page")
