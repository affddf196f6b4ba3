# Installing on Linux: the program and everything it finds beside itself go into one folder,
# <prefix>/lib/velmora-dravo-free, so the program keeps finding its files from its own
# location; the command, the menu entry, the icons and the AppStream data go where a desktop
# looks for them. Every path is relative to the prefix, so the tree can be moved or packaged.
include(GNUInstallDirs)

set(DRAVO_INSTALL_APPDIR "lib/velmora-dravo-free" CACHE STRING
    "Folder, relative to the prefix, for the program, its companions and its runtime files")
set(DRAVO_APP_ID com.velmora.DravoFree)

set(dravo_programs VelmoraDravoFree RestartApp OvRemoveBack ovsim)
foreach(program IN LISTS dravo_programs)
  # The device library lies beside the programs that load it.
  set_target_properties(${program} PROPERTIES INSTALL_RPATH "$ORIGIN")
endforeach()
install(TARGETS ${dravo_programs} RUNTIME DESTINATION ${DRAVO_INSTALL_APPDIR})
install(TARGETS ovdriver LIBRARY DESTINATION ${DRAVO_INSTALL_APPDIR} RUNTIME DESTINATION ${DRAVO_INSTALL_APPDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/skin DESTINATION ${DRAVO_INSTALL_APPDIR})
install(DIRECTORY ${DRAVO_BIN_DIR}/language/main DESTINATION ${DRAVO_INSTALL_APPDIR}/language
        FILES_MATCHING PATTERN "*.qm")
install(FILES ${PROJECT_SOURCE_DIR}/data/deviceType_config.xml DESTINATION ${DRAVO_INSTALL_APPDIR})

# Commands on PATH: relative links into the program folder.
file(RELATIVE_PATH dravo_bin_to_app /${CMAKE_INSTALL_BINDIR} /${DRAVO_INSTALL_APPDIR})
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK ${dravo_bin_to_app}/VelmoraDravoFree \"\${bin}/velmora-dravo-free\" SYMBOLIC)
  file(CREATE_LINK ${dravo_bin_to_app}/ovsim \"\${bin}/velmora-dravo-ovsim\" SYMBOLIC)
")

set(dravo_linux_data ${PROJECT_SOURCE_DIR}/data/linux)
install(FILES ${dravo_linux_data}/${DRAVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dravo_linux_data}/${DRAVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${dravo_linux_data}/icons DESTINATION ${CMAKE_INSTALL_DATADIR})

# cpack -G DEB (from the build folder) makes a Debian package of the same tree.
set(CPACK_PACKAGE_NAME velmora-dravo-free)
set(CPACK_PACKAGE_VENDOR "Velmora Software")
set(CPACK_PACKAGE_CONTACT "Velmora Software <support@velmora.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Free up space on, and erase private data from, an iPhone or iPad")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmora-dravo-free)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.velmora.com/dravo-free/)
# dpkg-shlibdeps finds the Qt and C++ libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${DRAVO_BIN_DIR})
# Text needs glyphs for every language the program offers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei")
include(CPack)
