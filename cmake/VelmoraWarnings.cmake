option(VELMORA_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

# Every target of ours compiles with the same warnings, so that a warning
# seen under one compiler is not hidden by another target's flags.
function(velmora_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VELMORA_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
