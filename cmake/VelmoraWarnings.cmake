# Every target of ours compiles with the same strict set, so that a warning
# seen under one compiler is not hidden by another target's flags. Qt's and
# GoogleTest's headers come in as system headers and are not held to it.
# Warnings become errors through CMAKE_COMPILE_WARNING_AS_ERROR (the ci preset).
function(velmora_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic
    -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast -Wdouble-promotion
    -Wnon-virtual-dtor -Wundef -Wcast-qual)
endfunction()
