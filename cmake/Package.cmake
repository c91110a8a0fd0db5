# `make package`: a Debian package of everything `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trotspeak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trotspeak developers <trotspeak@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Colourful ponies from Meadowlark saying things in your terminal")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "trotspeak shows a pony, drawn in 24-bit colour half-block art, with a quote\n or a message in a speech or thought bubble. trotconv builds and unpacks\n its pony databases and bubble styles.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
