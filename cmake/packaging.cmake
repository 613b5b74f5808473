# `cpack -G DEB` in a Release build (scripts/package) makes the Debian package.
set(CPACK_PACKAGE_NAME ${VELKARI_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Velkari Skin Editor developers")
set(CPACK_PACKAGE_CONTACT "${VELKARI_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELKARI_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the skins of the Velkari on-screen keyboard")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's German texts for its own dialogs; the editor runs in English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary first and indents these lines; the empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The Velkari Skin Editor describes the keys of the Velkari on-screen keyboard
for small hand-held devices: for each of four screen shapes a list of
layouts, each with a picture and up to six rows of keys, every key with its
caption, width and function. It checks every layout against the device's
rules and compiles the project, pictures included, into the skin file the
keyboard reads.

The package holds the editor and the command-line tool velkari-skin, which
builds, checks and inspects skins in scripts.")

include(CPack)
