# A cross build for Windows builds GoogleTest from Debian's source for the
# target; a native build uses the installed one.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# velmora_add_gtest(<name> SOURCES <files...> LIBRARIES <targets...>)
# One executable per unit; each case shows in CTest on its own.
function(velmora_add_gtest name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  velmora_set_warnings(${name})
  # Listing the cases when CTest runs, not when the build links, lets a
  # sanitizer build report its findings as a failing test, and a Windows
  # build list them under Wine.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()

# Widget tests run on the offscreen platform, so they need no display.
# Wine hands the program QT_* variables only under a WINE prefix; Qt Test
# logs to the debugger unless told otherwise; the offscreen platform on
# Windows finds fonts only in a folder it is given.
function(velmora_qtest_environment out)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "QT")
  set(environment "QT_QPA_PLATFORM=offscreen" ${ARG_QT})
  if(WIN32)
    list(APPEND environment "WINEQT_QPA_PLATFORM=offscreen" "WINEQT_FORCE_STDERR_LOGGING=1"
         "WINEQT_QPA_FONTDIR=Z:${VELMORA_WINDOWS_FOLDER}/fonts")
    list(TRANSFORM ARG_QT PREPEND WINE OUTPUT_VARIABLE for_wine)
    list(APPEND environment ${for_wine})
  endif()
  set(${out} "${environment}" PARENT_SCOPE)
endfunction()

# velmora_add_qtest(<name> SOURCES <files...> LIBRARIES <targets...>)
function(velmora_add_qtest name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} velmora::test_support Qt6::Test)
  velmora_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  velmora_qtest_environment(environment)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# velmora_add_qtest_at_scales(<name> PERCENT <scales...> FUNCTIONS <functions...>)
# Runs test functions of a Qt test again on a display of each scale, as
# Windows' display settings give them (125 for 125 %), each as a test of
# its own: <name>_at_<scale>.
function(velmora_add_qtest_at_scales name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "PERCENT;FUNCTIONS")
  foreach(percent ${ARG_PERCENT})
    string(REGEX REPLACE "(..)$" ".\\1" factor "${percent}")
    add_test(NAME ${name}_at_${percent} COMMAND ${name} ${ARG_FUNCTIONS})
    velmora_qtest_environment(environment QT "QT_SCALE_FACTOR=${factor}")
    set_tests_properties(${name}_at_${percent} PROPERTIES ENVIRONMENT "${environment}")
  endforeach()
endfunction()

# velmora_skip_test(<name> <reason>)
# A test that cannot run in this build still shows in CTest, as skipped,
# with its reason.
function(velmora_skip_test name reason)
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "SKIPPED: ${reason}")
  set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED: ")
endfunction()
