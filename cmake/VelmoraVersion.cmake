# The version lives in project(VERSION) alone; the window's credit line, the
# command line, the Windows resources and the packages all take it from here.
# Windows wants the version as four numbers too: 1,0,0,0 and 1.0.0.0.
math(EXPR minor "${PROJECT_VERSION_MINOR}")
set(VELMORA_VERSION_COMMA "${PROJECT_VERSION_MAJOR},${minor},0,0")
set(VELMORA_VERSION_DOTS "${PROJECT_VERSION_MAJOR}.${minor}.0.0")
configure_file("${CMAKE_CURRENT_LIST_DIR}/velmora_version.h.in"
  "${PROJECT_BINARY_DIR}/generated/velmora_version.h" @ONLY)
add_library(velmora_version INTERFACE)
add_library(velmora::version ALIAS velmora_version)
target_include_directories(velmora_version INTERFACE "${PROJECT_BINARY_DIR}/generated")
