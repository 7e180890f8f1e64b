# The Debian package: `cpack -G DEB` in a Release build packs everything the install rules put
# under /usr (tools/build-package.sh builds and checks it; ./package runs that).
set(MK21_PACKAGE_MAINTAINER "MK-21 CPS developers <mk21cps@example.org>"
    CACHE STRING "The Debian package's maintainer: name <address>")

# The package's version is the project's; the changelog's newest entry must name it.
file(STRINGS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog MK21_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT MK21_CHANGELOG_TOP MATCHES "^mk21cps \\(${PROJECT_VERSION}\\) ")
  message(SEND_ERROR "cmake/debian/changelog: the newest entry is not version ${PROJECT_VERSION}: "
                     "${MK21_CHANGELOG_TOP}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mk21cps)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "MK-21 CPS developers")
set(CPACK_PACKAGE_CONTACT ${MK21_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for MK-21 handheld radios")
# Debian shows the description as written: lines of at most 79 characters, "\n" between them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "MK-21 CPS reads the whole configuration of an MK-21 or MK-21G handheld radio"
  "over a serial cable, edits its channels and radio-wide settings, saves it to a"
  "data file and writes it back. It speaks English and Chinese."
  ""
  "The package holds the desktop program mk21cps, the command-line tool mk21ctl"
  "for scripts, and mk21sim, a simulated radio on a pseudo-terminal for use"
  "without hardware.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MK21_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, file dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
