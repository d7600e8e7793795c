# GoogleTest built from the sources Debian ships in /usr/src/googletest, for
# cross builds where no prebuilt GoogleTest exists for the target. Provides the
# same GTest:: targets as find_package(GTest).
set(VANE_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source directory")
if(NOT EXISTS ${VANE_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${VANE_GTEST_SOURCE_DIR} (package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${VANE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(lib gtest gtest_main gmock gmock_main)
  # Our warning options (and -Werror) are not GoogleTest's business.
  set_target_properties(${lib} PROPERTIES COMPILE_OPTIONS "")
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()
include(GoogleTest)
