# Warnings are options of each of the project's own targets rather than of
# every directory, so that nothing built from outside the project inherits
# them; ZELKOR_WERROR turns them into errors (CI).
function(zelkor_warnings)
  foreach(target ${ARGN})
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${ZELKOR_WERROR}>:-Werror>)
  endforeach()
endfunction()
