# What `cmake --install` puts where on Linux: the program and its render
# tool, the menu entry with its icons, the AppStream data, the manual pages,
# the sample skin, the program as a display mode of xscreensaver and the
# package's documents. Included from the top level
# once both executables are defined.
include(GNUInstallDirs)

set(HORAVISTA_APP_ID example.quellmark.Horavista)
# The release the AppStream data, the changelog and the manual pages name.
set(HORAVISTA_RELEASE_DATE 2026-12-08)
set(HORAVISTA_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 12:00:00 +0000")
# Debian looks for a package's documents under its own, lowercase, name.
set(HORAVISTA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/horavista)

set(dist ${PROJECT_SOURCE_DIR}/dist/linux)
set(staged ${PROJECT_BINARY_DIR}/dist)

# The icons are one frame of the clock itself, drawn by the render tool at
# a fixed time and in the default colours (no stored option colours them)
# as a scalable picture, and that picture drawn at each size.
add_executable(horavista-icon-pngs tools/icon_pngs.cpp)
target_link_libraries(horavista-icon-pngs PRIVATE Qt6::Gui Qt6::Svg)
set(icon_sizes 16 24 32 48 64 128 256)
set(scalable_icon ${staged}/icons/scalable/${HORAVISTA_APP_ID}.svg)
set(icon_files ${scalable_icon})
foreach(size ${icon_sizes})
  list(APPEND icon_files ${staged}/icons/${size}x${size}/${HORAVISTA_APP_ID}.png)
  install(FILES ${staged}/icons/${size}x${size}/${HORAVISTA_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${staged}/icons/scalable
  COMMAND horavista-render --size 256x256 --time 10:10:35 --clock-color 16777215 --background 0 --svg ${scalable_icon}
  COMMAND horavista-icon-pngs ${scalable_icon} ${HORAVISTA_APP_ID} ${staged}/icons ${icon_sizes}
  DEPENDS horavista-render horavista-icon-pngs VERBATIM)
install(FILES ${scalable_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog, with the version and date filled in and
# gzipped without a time stamp, so the same sources give the same package.
configure_file(${dist}/example.quellmark.Horavista.metainfo.xml.in ${staged}/${HORAVISTA_APP_ID}.metainfo.xml @ONLY)
set(gzipped)
foreach(page horavista.1 horavista-render.1 changelog)
  configure_file(${dist}/${page}.in ${staged}/${page} @ONLY)
  add_custom_command(OUTPUT ${staged}/${page}.gz
    COMMAND gzip -9nf -k ${staged}/${page}
    DEPENDS ${dist}/${page}.in VERBATIM)
  list(APPEND gzipped ${staged}/${page}.gz)
endforeach()
add_custom_target(horavista_installed_files ALL DEPENDS ${icon_files} ${gzipped})

install(TARGETS horavista horavista-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dist}/${HORAVISTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${staged}/${HORAVISTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${staged}/horavista.1.gz ${staged}/horavista-render.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dist}/copyright ${staged}/changelog.gz DESTINATION ${HORAVISTA_DOC_DIR})
# Not on the program's search path: a skin applies only where the user
# copies it.
# xscreensaver runs its display modes from its own folder and describes each
# from a file of its settings folder: the program itself, linked there.
set(display_modes ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
file(RELATIVE_PATH program_from_modes /${display_modes} /${CMAKE_INSTALL_BINDIR}/horavista)
file(MAKE_DIRECTORY ${staged}/xscreensaver)
file(CREATE_LINK ${program_from_modes} ${staged}/xscreensaver/horavista SYMBOLIC)
install(FILES ${staged}/xscreensaver/horavista DESTINATION ${display_modes})
install(FILES ${dist}/horavista.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/skins/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/horavista/skins/sample)
