# A subsystem's window library zelkor_<part>_ui (alias zelkor::<part>_ui):
# Qt's meta-object compiler on, the project's warnings, and the shared window
# services public, because its windows' headers take WindowServices and
# derive from Qt's widgets.
function(zelkor_window_library part)
  set(target zelkor_${part}_ui)
  add_library(${target} STATIC ${ARGN})
  add_library(zelkor::${part}_ui ALIAS ${target})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  zelkor_warnings(${target})
  target_link_libraries(${target} PUBLIC zelkor::widgets)
endfunction()
