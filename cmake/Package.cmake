# `make package`: a Debian package of everything `cmake --install` puts in
# place; for Windows (`make package-windows`) a zip of the same. Both are
# named after the project's version.
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
set(CPACK_PACKAGE_NAME trotspeak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TROT_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Colourful ponies from Meadowlark saying things in your terminal")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "trotspeak shows a pony, drawn in 24-bit colour half-block art, with a quote\nor a message in a speech or thought bubble. trotconv builds and unpacks\nits pony databases and bubble styles.")
# Not games: Debian keeps that section for programs installed in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

# The archives' file times are the build date, so that two builds of the
# same commit give the same package.
set(CPACK_TROT_BUILD_EPOCH ${TROT_BUILD_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageDate.cmake)
include(CPack)
