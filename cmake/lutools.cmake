# Build rules shared by every folder of the suite.

option(LU_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(LU_WARNINGS -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Werror)

option(LU_FUZZ "Build the libFuzzer targets of fuzz/ (clang only); every library gets the fuzzer's coverage instrumentation" OFF)

if(LU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz targets drive the same libraries as the programs, so those
# libraries carry the coverage counters that guide libFuzzer; only the fuzz
# targets themselves link libFuzzer's own main.
if(LU_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "LU_FUZZ needs clang (libFuzzer); use the fuzz preset")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Product code: the warnings, and neither exceptions nor RTTI, since the
# routines use neither and the programs must not need the C++ runtime.
function(lu_product_flags target)
  target_compile_options(${target} PRIVATE ${LU_WARNINGS} -fno-exceptions -fno-rtti)
endfunction()

# A program of the suite: its sources, the common library, and a C link.
# Linking with the C driver keeps libstdc++ out of the executable: a stray use
# of the C++ runtime becomes a link error instead of a start-up cost.
function(lu_add_program name)
  add_executable(${name} ${ARGN})
  lu_product_flags(${name})
  target_link_libraries(${name} PRIVATE lu)
  set_target_properties(${name} PROPERTIES LINKER_LANGUAGE C)
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY LU_PROGRAMS ${name})
endfunction()

# A test executable: GoogleTest, the test support library and, through it,
# the link-time seams on write, read, open, close and malloc.
function(lu_add_test name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${LU_WARNINGS})
  target_link_libraries(${name} PRIVATE lu_testsupport GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

include(GNUInstallDirs)
