# The Debian package: `cpack --config <build>/CPackConfig.cmake` makes dorvane_<version>_<arch>.deb
# from what `cmake --install` puts in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorvane)
set(CPACK_PACKAGE_VENDOR "The Dorvane developers")
set(CPACK_PACKAGE_CONTACT "${DORVANE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for voxel volumes as turning 3D cubes")
set(CPACK_PACKAGE_DESCRIPTION "Dorvane shows a voxel volume in three dimensions: every occupied cell\nappears as a small cube with colour-graded corners, seen in perspective.\nOpen a volume from the File menu or drop it on the window; Play turns it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# GTK's theme draws the menus' check marks from SVG pictures, which gdk-pixbuf reads through
# this loader. Without it the program still runs, with blank check marks and a warning, so
# it is recommended, as GTK itself recommends it, rather than required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS librsvg2-common)

# The same sources give the same package, wherever and whenever it is made: its members
# carry the time of the last commit, unless SOURCE_DATE_EPOCH is set when cpack runs. CPack
# already orders the members and makes root their owner.
set(source_date_epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT source_date_epoch)
  find_program(GIT git)
  if(GIT)
    execute_process(COMMAND ${GIT} log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE source_date_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(source_date_epoch)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/CPackSourceDate.cmake CONTENT "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${source_date_epoch})
endif()
")
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackSourceDate.cmake)
else()
  message(STATUS "Neither SOURCE_DATE_EPOCH nor a git commit: the package will carry the time it is made")
endif()
include(CPack)
