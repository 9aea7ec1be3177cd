# The folders of an installation, relative to its prefix (GNUInstallDirs): the
# launcher in bin/, the navigator in a folder of programs that users do not
# start by hand, its data files under share/, its documentation in a folder
# named after the package, as Debian has it.
include(GNUInstallDirs)
set(TALV_INSTALL_NAVIGATORDIR "lib/talvinsk" CACHE STRING
  "Folder of the navigator program, relative to the install prefix")
set(TALV_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/talvinsk")
set(TALV_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/talvinsk")
