# On Windows, every program of the build (velmora.exe, the tests, the tools)
# is written to bin/, beside the DLLs, plugins, fonts and translations it
# loads, as in the folder users get: tests under Wine then run the program as
# shipped, and need no search path of their own. The program's own modules
# (printing) go there too.
set(VELMORA_WINDOWS_FOLDER "${PROJECT_BINARY_DIR}/bin")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${VELMORA_WINDOWS_FOLDER}")
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${VELMORA_WINDOWS_FOLDER}")

# Called once Qt is found.
function(velmora_windows_folder)
  set(folder "${VELMORA_WINDOWS_FOLDER}")
  # The compiler's own runtime, which Qt's DLLs need as much as ours do.
  set(runtime)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "the mingw runtime ${dll} was not found")
    endif()
    list(APPEND runtime "${path}")
  endforeach()
  set(copies
    COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}/plugins/platforms"
            "${folder}/plugins/styles" "${folder}/translations" "${folder}/fonts"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${runtime} "${folder}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            $<TARGET_FILE:Qt6::PrintSupport> $<TARGET_FILE:Qt6::Test> "${folder}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> "${folder}/plugins/platforms"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> "${folder}/plugins/styles"
    # Debian's catalogues for Qt's own texts: compiled, so any platform reads them.
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            /usr/share/qt6/translations/qtbase_tr.qm /usr/share/qt6/translations/qtbase_en.qm
            "${folder}/translations"
    # The stand-in dialog face the layout is measured for (OFL).
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
            /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf "${folder}/fonts"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            "${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf" "${folder}")
  add_custom_target(velmora_windows_folder ALL ${copies} VERBATIM)
  set(names)
  foreach(path ${runtime})
    get_filename_component(name "${path}" NAME)
    list(APPEND names "${folder}/${name}")
  endforeach()
  set(VELMORA_WINDOWS_RUNTIME_DLLS ${names} PARENT_SCOPE)
  set(VELMORA_WINDOWS_QT_DLLS "${folder}/Qt6Core.dll" "${folder}/Qt6Gui.dll"
      "${folder}/Qt6Widgets.dll" "${folder}/Qt6PrintSupport.dll" PARENT_SCOPE)
endfunction()
