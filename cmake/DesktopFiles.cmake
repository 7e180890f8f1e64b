# The desktop integration and where it is installed: the program's icon, its desktop entry, the
# type of its data files, its AppStream description, the manual pages and mk21ctl's bash
# completion. All of it is the install component "desktop" (the tests install just that).
include(GNUInstallDirs)

# The desktop entry and the AppStream file are named by the desktop id; the AppStream file takes
# the id, version and web address from CMakeLists.txt.
set(MK21_DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/mk21cps.desktop
               ${MK21_DESKTOP_DIR}/${MK21_APP_ID}.desktop COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/mk21cps.metainfo.xml.in
               ${MK21_DESKTOP_DIR}/${MK21_APP_ID}.metainfo.xml @ONLY)

# Manual pages with the version filled in, compressed as Debian wants them; -n leaves out the
# name and time, so that the same page always gives the same bytes.
set(MK21_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(MK21_MAN_PAGES "")
foreach(program mk21cps mk21ctl mk21sim)
  configure_file(${CMAKE_SOURCE_DIR}/resources/man/${program}.1 ${MK21_MAN_DIR}/${program}.1 @ONLY)
  add_custom_command(
    OUTPUT ${MK21_MAN_DIR}/${program}.1.gz
    COMMAND gzip -9nkf ${program}.1
    DEPENDS ${MK21_MAN_DIR}/${program}.1
    WORKING_DIRECTORY ${MK21_MAN_DIR}
    COMMENT "Compressing the manual page of ${program}"
    VERBATIM)
  list(APPEND MK21_MAN_PAGES ${MK21_MAN_DIR}/${program}.1.gz)
endforeach()
add_custom_target(man-pages ALL DEPENDS ${MK21_MAN_PAGES})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT desktop)
install(FILES ${MK21_DESKTOP_DIR}/${MK21_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/mk21cps-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${MK21_APP_ID}.xml COMPONENT desktop)
install(FILES ${MK21_DESKTOP_DIR}/${MK21_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)
install(FILES ${MK21_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT desktop)
install(FILES ${CMAKE_SOURCE_DIR}/resources/completion/mk21ctl.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME mk21ctl COMPONENT desktop)
