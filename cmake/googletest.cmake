# GoogleTest: Debian's package natively; for the Windows target, built from
# the sources Debian ships at /usr/src/googletest. Nothing is downloaded.
if(CMAKE_CROSSCOMPILING)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest
                   EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# brindoka_add_gtest(name source... LIBS lib...): one test binary, run by CTest
# (under Wine for the Windows target) in a scratch directory of its own.
function(brindoka_add_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  set(workdir ${CMAKE_CURRENT_BINARY_DIR}/${name}.work)
  file(MAKE_DIRECTORY ${workdir})
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${workdir})
endfunction()
