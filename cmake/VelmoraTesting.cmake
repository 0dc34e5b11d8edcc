find_package(GTest REQUIRED)
include(GoogleTest)

# velmora_add_gtest(<name> SOURCES <files...> LIBRARIES <targets...>)
# One executable per unit; each case shows in CTest on its own.
function(velmora_add_gtest name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  velmora_set_warnings(${name})
  # Listing the cases when CTest runs, not when the build links, lets a
  # sanitizer build report its findings as a failing test.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# velmora_add_qtest(<name> SOURCES <files...> LIBRARIES <targets...>)
# Widget tests run on the offscreen platform, so they need no display.
function(velmora_add_qtest name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
  velmora_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
