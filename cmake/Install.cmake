# What `cmake --install` puts where, under CMAKE_INSTALL_PREFIX (/usr/local unless given): the
# programs, the launcher entry, the icon in the desktop's hicolor theme and the tool's skins.
include(GNUInstallDirs)

install(TARGETS bezier bezier-render bezier-shot bezier-theme
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/app/bezier.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Every size iconart draws goes to its own folder of the theme, under the name the entry gives.
set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
file(GLOB icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icon/bezier-*.png)
foreach(icon ${icons})
  string(REGEX REPLACE ".*/bezier-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} DESTINATION ${icon_theme}/${size}x${size}/apps RENAME bezier.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icon/bezier.svg DESTINATION ${icon_theme}/scalable/apps)
install(DIRECTORY ${BEZIER_SKINS_FOLDER}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/bezier/skins)
