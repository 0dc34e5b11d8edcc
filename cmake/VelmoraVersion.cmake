# The version lives in project(VERSION) alone; the window's credit line, the
# command line, the Windows resources and the packages all take it from here.
set(VELMORA_VERSION_COMMA "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
configure_file("${CMAKE_CURRENT_LIST_DIR}/velmora_version.h.in"
  "${PROJECT_BINARY_DIR}/generated/velmora_version.h" @ONLY)
add_library(velmora_version INTERFACE)
add_library(velmora::version ALIAS velmora_version)
target_include_directories(velmora_version INTERFACE "${PROJECT_BINARY_DIR}/generated")
