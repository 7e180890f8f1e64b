# What `cmake --install` puts where (and so what the Debian package holds): the runtime tree under
# lib/mk21cps, the three programs on the PATH as links into it, and the package's copyright and
# changelog. The tree is installed from the sources, never from the staged tree, whose settings
# files a run has changed. Its marker file makes the programs keep their users' files in the users'
# own folders (base/UserFiles.h).
if(MK21_FUZZ)
  return()
endif()
include(GNUInstallDirs)

set(MK21_INSTALL_TREE lib/mk21cps)
set(MK21_INSTALL_PROGRAMS ${MK21_INSTALL_TREE}/${MK21_RELEASE})
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS mk21cps mk21ctl mk21sim RUNTIME DESTINATION ${MK21_INSTALL_PROGRAMS})
install(FILES ${CMAKE_SOURCE_DIR}/resources/Version.ini ${CMAKE_SOURCE_DIR}/cmake/installed-tree
        DESTINATION ${MK21_INSTALL_TREE})
install(FILES ${CMAKE_SOURCE_DIR}/resources/mysetup.ini DESTINATION ${MK21_INSTALL_TREE}/language)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/language ${CMAKE_SOURCE_DIR}/resources/PIC
                  ${CMAKE_SOURCE_DIR}/resources/Init
        DESTINATION ${MK21_INSTALL_PROGRAMS})
file(GLOB MK21_START_PICTURES ${CMAKE_SOURCE_DIR}/resources/*.jpg)
install(FILES ${MK21_START_PICTURES} DESTINATION ${MK21_INSTALL_PROGRAMS})

# bin/<program> -> ../lib/mk21cps/V200/<program>: each program finds its tree from /proc/self/exe,
# which names the link's target.
file(RELATIVE_PATH MK21_LINK_TARGET_DIR /${CMAKE_INSTALL_BINDIR} /${MK21_INSTALL_PROGRAMS})
foreach(program mk21cps mk21ctl mk21sim)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    message(STATUS \"Installing: \${link}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${MK21_LINK_TARGET_DIR}/${program}\" \"\${link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
endforeach()

# What Debian asks of every package's documentation folder: the copyright, and the changelog
# compressed the way dpkg's tools do it (gzip -9n: no name, no time stamp).
set(MK21_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${MK21_CHANGELOG_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/cmake/debian/changelog > ${MK21_CHANGELOG_GZ}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog
  VERBATIM)
add_custom_target(debian-changelog ALL DEPENDS ${MK21_CHANGELOG_GZ})
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${MK21_CHANGELOG_GZ}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(${CMAKE_SOURCE_DIR}/cmake/DebianPackage.cmake)
