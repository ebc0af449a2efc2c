# Where `cmake --install` puts the programs and the desktop's files, and the Debian
# package `cpack -G DEB` makes of them.
include(GNUInstallDirs)

set(OBRIX_APP_ID org.brannoc.Obrix)
# The sizes of the icon theme that desktops look in for menus, docks and task switchers.
set(OBRIX_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS obrix-cli gfxpak RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET obrix)
  install(TARGETS obrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  # The icon comes in fixed sizes as well, drawn from the same picture at build time.
  find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
  add_executable(icon-render ${CMAKE_SOURCE_DIR}/tools/icon-render/main.cpp)
  target_link_libraries(icon-render PRIVATE Qt6::Gui Qt6::Svg)
  set(icon_source ${CMAKE_SOURCE_DIR}/resources/app/obrix.svg)
  set(icon_folder ${CMAKE_BINARY_DIR}/icons)
  set(icon_files)
  foreach(size IN LISTS OBRIX_ICON_SIZES)
    list(APPEND icon_files ${icon_folder}/${size}/obrix.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_files}
                     COMMAND icon-render ${icon_source} ${icon_folder} ${OBRIX_ICON_SIZES}
                     DEPENDS icon-render ${icon_source}
                     COMMENT "Drawing the icon in the theme's sizes"
                     VERBATIM)
  add_custom_target(obrix_icons ALL DEPENDS ${icon_files})

  foreach(size IN LISTS OBRIX_ICON_SIZES)
    install(FILES ${icon_folder}/${size}/obrix.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${OBRIX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${OBRIX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The help is compiled into the editor; the same pages are installed to be read in a
  # browser, where the rest of the system's documentation is.
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/obrix/help)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/obrix)

set(CPACK_PACKAGE_NAME obrix)
set(CPACK_PACKAGE_VENDOR Brannoc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the leagues, teams and players of Golvar")
set(CPACK_PACKAGE_DESCRIPTION
    "Obrix finds the Golvar folder, shows its leagues and teams as a tree and edits players
and teams, moves and swaps players, copies teams into leagues, imports and exports
leagues and saves everything back into the game's own files, with a backup to restore.")
set(CPACK_PACKAGE_CONTACT "Brannoc <obrix@brannoc.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps finds the Qt libraries the programs link; the platform plugins that
# open a window on X11 or Wayland are loaded at run time, so they are named here.
find_program(OBRIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(OBRIX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
if(TARGET obrix)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
