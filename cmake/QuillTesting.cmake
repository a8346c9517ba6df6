# quill_add_unit_tests(<subsystem> [WIDGETS] LIBS ... TESTS <Class> ...)
# One executable per subsystem, test_<subsystem>, built from <Class>.cpp files.
# Each file registers its Qt Test class with QUILL_TEST(Class); CTest runs every
# class as its own test, "<subsystem>.<Class>", on the offscreen platform.
# WIDGETS runs the tests in a QApplication (scenes, items, widgets); without it a
# QGuiApplication, so a model's tests show that it needs no QtWidgets.
function(quill_add_unit_tests subsystem)
  cmake_parse_arguments(ARG "WIDGETS" "" "LIBS;TESTS;SOURCES" ${ARGN})
  set(target test_${subsystem})
  set(sources ${ARG_SOURCES})
  foreach(test ${ARG_TESTS})
    list(APPEND sources ${test}.cpp)
  endforeach()
  set(support ${PROJECT_SOURCE_DIR}/tests/support)
  add_executable(${target} ${sources} ${support}/QuillTest.h ${support}/TestMain.cpp
    ${support}/UnexpectedWarnings.cpp ${support}/Snapshots.cpp)
  target_include_directories(${target} PRIVATE ${support} ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} quill_common Qt6::Test)
  if(ARG_WIDGETS)
    target_link_libraries(${target} PRIVATE Qt6::Widgets)
    target_compile_definitions(${target} PRIVATE QUILL_TEST_WIDGETS)
  endif()
  target_compile_definitions(${target} PRIVATE
    QUILL_RESOURCE_DIR="${QUILL_RESOURCE_DIR}"
    QUILL_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  foreach(test ${ARG_TESTS})
    add_test(NAME ${subsystem}.${test} COMMAND ${target} ${test})
    set_tests_properties(${subsystem}.${test} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software"
      TIMEOUT 300)
  endforeach()
endfunction()
