# GoogleTest for both builds: Debian's packaged library natively, and the
# same sources compiled with MinGW for the Windows build.
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()

# quorvel_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One executable, one CTest entry: under Wine a process per test case would
# cost more than the tests themselves.
function(quorvel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorvel_test_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
