# quill_add_library(<name> [WIDGETS] SOURCES ... LIBS ...)
# A static library of one subsystem. Model libraries link no QtWidgets, so a
# stray widget include in the store, the stroke model or a client fails to build;
# libraries that draw on screen say WIDGETS.
function(quill_add_library name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PUBLIC Qt6::Widgets)
  endif()
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  target_compile_definitions(${name} PRIVATE QT_NO_KEYWORDS)
endfunction()
