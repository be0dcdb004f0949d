# cmake -DGROFF=... -DPAGE=... -DWORK=... -P render.cmake
# Renders one manual page the way man(1) does on an 80-column terminal (tbl,
# the man macros, a line length of 78) with every warning turned on; any
# diagnostic at all fails, and so does a missing standard section.
cmake_minimum_required(VERSION 3.25)
get_filename_component(name ${PAGE} NAME)
file(READ ${PAGE} text)
file(WRITE ${WORK}/${name}.80 ".ll 78n\n.nr LL 78n\n.lf 1 ${name}\n${text}")
execute_process(
  COMMAND ${GROFF} -t -ww -z -man -Tutf8
  INPUT_FILE ${WORK}/${name}.80
  RESULT_VARIABLE status
  ERROR_VARIABLE diagnostics)
file(REMOVE ${WORK}/${name}.80)
if(NOT status EQUAL 0 OR NOT diagnostics STREQUAL "")
  message(FATAL_ERROR "${PAGE} does not render cleanly (status ${status}):\n${diagnostics}")
endif()

file(STRINGS ${PAGE} headings REGEX "^\\.SH ")
foreach(section IN ITEMS NAME SYNOPSIS DESCRIPTION "EXIT STATUS" DIAGNOSTICS EXAMPLES)
  if(NOT ".SH ${section}" IN_LIST headings AND NOT ".SH \"${section}\"" IN_LIST headings)
    message(FATAL_ERROR "${PAGE} has no ${section} section")
  endif()
endforeach()
