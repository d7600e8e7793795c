# vane_add_test(<name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# Builds one GoogleTest program and registers its tests with CTest. Tests
# without a label are the fast unit tests ("unit"). The test main (tests/support)
# points VANE_SOURCE_DIR, VANE_SHARED_DIR and VANE_BINARY_DIR at this tree.
function(vane_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE vane_test_support ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  if(CMAKE_CROSSCOMPILING)
    # One test per program: listing the tests would start the program (under
    # the emulator) at build time, and every start under Wine costs time.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      LABELS "${T_LABELS}" WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} TIMEOUT 120
      ENVIRONMENT "VANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};VANE_SHARED_DIR=${CMAKE_SOURCE_DIR}/../shared;VANE_BINARY_DIR=${CMAKE_BINARY_DIR}")
    return()
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()
