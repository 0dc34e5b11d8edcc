# Installs the build into STAGE afresh and checks that every file a desktop
# needs is in its place, and the printing module (PRINTING, relative to the
# prefix) where the program looks for it.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file
    bin/velmora
    "${PRINTING}"
    share/applications/io.github.velmora.Velmora.desktop
    share/metainfo/io.github.velmora.Velmora.metainfo.xml
    share/icons/hicolor/32x32/apps/io.github.velmora.Velmora.png
    share/icons/hicolor/scalable/apps/io.github.velmora.Velmora.svg
    share/doc/velmora/copyright
    share/doc/velmora/changelog.gz
    share/man/man1/velmora.1.gz
    share/man/tr/man1/velmora.1.gz
    "share/doc/velmora/Kullanım Kılavuzu.html"
    "share/doc/velmora/User Guide.html")
  if(NOT EXISTS "${STAGE}/${file}")
    message(FATAL_ERROR "missing from the install tree: ${file}")
  endif()
endforeach()
