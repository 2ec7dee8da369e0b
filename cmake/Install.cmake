# `cmake --install`: the program with its plug-ins and help texts in one
# folder of its own (it finds them beside itself), started through links in
# bin/, and the desktop entry, the AppStream metainfo and the icons where
# the desktop looks for them. Installed where the user cannot write, the
# program keeps its data in $XDG_DATA_HOME/lumetta.
include(GNUInstallDirs)

set(LUMETTA_INSTALL_APPDIR ${CMAKE_INSTALL_LIBDIR}/lumetta)
set(LUMETTA_APP_ID org.lumetta.Lumetta)

install(TARGETS lumetta lumetta-cli RUNTIME DESTINATION ${LUMETTA_INSTALL_APPDIR})
install(TARGETS ifpng ifwebp ifheif iftiff ifraw LIBRARY DESTINATION ${LUMETTA_INSTALL_APPDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Lumdat DESTINATION ${LUMETTA_INSTALL_APPDIR})

file(RELATIVE_PATH LUMETTA_BIN_TO_APPDIR /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${LUMETTA_INSTALL_APPDIR})
foreach(program lumetta lumetta-cli)
  # The prefix is read when installing, so that --prefix applies.
  install(CODE "
    set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bindir}\")
    message(STATUS \"Installing: \${bindir}/${program} -> ${LUMETTA_BIN_TO_APPDIR}/${program}\")
    file(CREATE_LINK \"${LUMETTA_BIN_TO_APPDIR}/${program}\" \"\${bindir}/${program}\" SYMBOLIC)
  ")
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${LUMETTA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${LUMETTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${size}x${size}/${LUMETTA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/scalable/${LUMETTA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
