cmake_policy(VERSION 3.25)
# Strips every program and DLL of the staged folder: Qt's and the compiler's
# runtime come with their symbols, which users have no use for.
file(GLOB_RECURSE binaries "${STAGE}/*.dll" "${STAGE}/*.exe")
foreach(binary ${binaries})
  execute_process(COMMAND "${STRIP}" --strip-unneeded "${binary}" RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not strip ${binary}")
  endif()
endforeach()
