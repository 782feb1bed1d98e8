# `make package`: the Debian package, made by CPack from the install of the
# components "program" and "debian" (cmake/Install.cmake) under /usr.
set(TOVEL_CONTACT "The TovelCreator authors <tovelcreator@users.noreply.github.com>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovelcreator)
set(CPACK_PACKAGE_VENDOR "The TovelCreator authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TOVEL_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the pictures of the Kestro control program")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};program;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TOVEL_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The long description, under the summary line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "TovelCreator edits tovels: the pictures that the Kestro control program
shows while it runs. A tovel is a white page of 400 by 320 pixels holding
up to 30 items. A picture item switches between four pictures taken from
BMP files; a text item is a label, a caption or a reading. Items are linked
to the control program's inputs, outputs, motors, analogue values and
variables.
.
The editor places and sizes the items, edits their properties, manages the
bitmaps and saves tovels for the control program, also in the Acorn and
Macintosh forms. Its command line exports tovels and draws their pages as
PNG pictures.")

include(CPack)
