# Where `cmake --install` puts the programs and the desktop's files, and the Debian
# package `cpack -G DEB` makes of them.
include(GNUInstallDirs)

set(OBRIX_APP_ID org.brannoc.Obrix)

install(TARGETS obrix-cli gfxpak RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET obrix)
  install(TARGETS obrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The print module, where the editor looks for it (src/gui/CMakeLists.txt).
  if(WIN32)
    install(TARGETS obrix-print LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR})
  else()
    install(TARGETS obrix-print LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/obrix)
  endif()

  # The icon comes in fixed sizes as well, drawn from the same picture at build time
  # (src/gui/CMakeLists.txt), where the editor takes its own copies from.
  foreach(size IN LISTS OBRIX_APP_ICON_SIZES)
    install(FILES ${OBRIX_PICTURES}/app/${size}/obrix.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  set(icon_source ${CMAKE_SOURCE_DIR}/resources/app/obrix.svg)
  install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${OBRIX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${OBRIX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The help is compiled into the editor; the same pages are installed to be read in a
  # browser, where the rest of the system's documentation is.
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/obrix/help)
  # Each language's pages link the one style sheet as their neighbour, as in the editor.
  file(GLOB OBRIX_HELP_LANGUAGES LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/resources/help/*)
  foreach(language ${OBRIX_HELP_LANGUAGES})
    if(IS_DIRECTORY ${language})
      get_filename_component(code ${language} NAME)
      install(FILES ${CMAKE_SOURCE_DIR}/resources/help/style.css DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/obrix/help/${code})
    endif()
  endforeach()
  # The translations, which the editor prefers to its own compiled-in copies (app/UiLanguage.cpp).
  install(FILES ${OBRIX_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/obrix/translations)
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
  # Qt's own translations (qtbase_<lang>.qm) speak for the standard buttons and dialogs; the
  # font draws Japanese menus and the game's Japanese names.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-vlgothic")
endif()
include(CPack)
