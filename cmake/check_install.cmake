# cmake -DBUILD_DIR=... -DWORK=... -DPROGRAMS=a:b:c -P check_install.cmake
# Installs the build twice, once under a prefix and once staged through
# DESTDIR, and checks that each lands every program in bin (and nothing else
# there) with its manual page in share/man/man1.
cmake_minimum_required(VERSION 3.25)
string(REPLACE ":" ";" programs "${PROGRAMS}")
file(REMOVE_RECURSE ${WORK})

function(install_and_check root)
  foreach(program IN LISTS programs)
    if(NOT EXISTS ${root}/bin/${program} OR IS_DIRECTORY ${root}/bin/${program})
      message(FATAL_ERROR "${root}/bin/${program} was not installed")
    endif()
    execute_process(COMMAND test -x ${root}/bin/${program} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${root}/bin/${program} is not executable")
    endif()
    # EXISTS follows symbolic links, so a dangling page link fails here.
    if(NOT EXISTS ${root}/share/man/man1/${program}.1)
      message(FATAL_ERROR "${root}/share/man/man1/${program}.1 was not installed")
    endif()
  endforeach()
  file(GLOB installed RELATIVE ${root}/bin ${root}/bin/*)
  list(SORT installed)
  set(expected ${programs})
  list(SORT expected)
  if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "bin holds '${installed}', expected '${expected}'")
  endif()
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK}/prefix
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install --prefix failed")
endif()
install_and_check(${WORK}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK}/stage
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /opt/lutools
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "DESTDIR=... cmake --install failed")
endif()
install_and_check(${WORK}/stage/opt/lutools)

file(REMOVE_RECURSE ${WORK})
