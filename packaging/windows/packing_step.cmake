cmake_policy(VERSION 3.25)
# Runs one step of packing the downloads, which are made in FOLDER and
# take their place beside the build only once every signature in them has
# been verified:
#   cmake -DFOLDER=DIR -P packing_step.cmake -- COMMAND [ARGUMENT...]
# A step that fails takes FOLDER with it: makensis stops at a signature
# that fails but leaves the installer it wrote, unsigned, and the signer
# leaves a file it could not sign as it was; neither, nor a download made
# before them, may be left for a release engineer to pick up.
set(command)
set(separated FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE ${last})
  if(separated)
    list(APPEND command "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(separated TRUE)
  endif()
endforeach()
if(NOT FOLDER OR NOT command)
  message(FATAL_ERROR "usage: cmake -DFOLDER=DIR -P packing_step.cmake -- COMMAND [ARGUMENT...]")
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE_RECURSE "${FOLDER}")
  list(GET command 0 program)
  message(FATAL_ERROR "${program} failed (${status}); the downloads in the making, ${FOLDER}, "
                      "are removed")
endif()
