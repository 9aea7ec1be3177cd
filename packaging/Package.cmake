# The Debian package (`make package`, CPack): the install rules above under
# /usr, with the dependencies that dpkg-shlibdeps finds in the programs and
# the plugins and translations that Qt loads at run time, which it cannot see.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvinsk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TALV_MAINTAINER_NAME} <${TALV_EMAIL_ADDRESS}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE ${TALV_DEBIAN_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TALV_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by Qt at run time, so dpkg-shlibdeps cannot see them: the SQLite
# driver of Qt SQL, the SVG icon engine that draws the tool bar pictures, and
# Qt's Russian texts of its standard buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# description.txt: the synopsis line, then the long description in English
# and in Russian; CPack puts the synopsis first.
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt description)
string(STRIP "${description}" description)
string(FIND "${description}" "\n" end_of_synopsis)
string(SUBSTRING "${description}" 0 ${end_of_synopsis} CPACK_PACKAGE_DESCRIPTION_SUMMARY)
math(EXPR start_of_long "${end_of_synopsis} + 1")
string(SUBSTRING "${description}" ${start_of_long} -1 CPACK_DEBIAN_PACKAGE_DESCRIPTION)

include(CPack)
