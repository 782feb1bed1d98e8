# What `cmake --install` puts in place, under the install prefix:
#   bin/tovelcreator
#   share/applications/ID.desktop         the desktop entry
#   share/metainfo/ID.metainfo.xml        AppStream metainfo
#   share/icons/hicolor/*/apps/ID.*       the icon at 16 to 256 pixels and as SVG
#   share/man/man1/tovelcreator.1.gz      the manual page
#   share/tovelcreator/samples/           the sample tovels and their bitmaps
#   share/doc/tovelcreator/LICENSE
# where ID is the application id below. The Debian package (cmake/Package.cmake)
# has share/doc/tovelcreator/copyright and changelog.Debian.gz in place of
# LICENSE: those come from the component "debian", which a plain install
# leaves out.
include(GNUInstallDirs)
set(TOVEL_APP_ID io.github.tovelcreator.TovelCreator)
set(TOVEL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tovelcreator)

# The release files name the version of project() in their newest entry.
foreach(release_file
        "data/${TOVEL_APP_ID}.metainfo.xml|<release version=\"${PROJECT_VERSION}\""
        "data/debian/changelog|^tovelcreator \\(${PROJECT_VERSION}\\)"
        "data/tovelcreator.1|\"TovelCreator ${PROJECT_VERSION}\"")
  string(REPLACE "|" ";" release_file "${release_file}")
  list(GET release_file 0 file)
  list(GET release_file 1 pattern)
  file(READ ${file} text)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${file} does not name version ${PROJECT_VERSION} of project(): "
                        "give it an entry for this version")
  endif()
endforeach()

# Manual pages and the Debian changelog are installed compressed, the
# way distributions ship them (gzip -9n: no name or time in the file, so
# the same text gives the same bytes).
find_program(GZIP_PROGRAM gzip REQUIRED)
function(tovel_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${GZIP_PROGRAM} -9n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
endfunction()
set(TOVEL_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/tovelcreator.1.gz)
set(TOVEL_DEBIAN_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
tovel_gzip(${PROJECT_SOURCE_DIR}/data/tovelcreator.1 ${TOVEL_MAN_PAGE})
tovel_gzip(${PROJECT_SOURCE_DIR}/data/debian/changelog ${TOVEL_DEBIAN_CHANGELOG})
add_custom_target(tovel_compressed_docs ALL DEPENDS ${TOVEL_MAN_PAGE} ${TOVEL_DEBIAN_CHANGELOG})

install(TARGETS tovelcreator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
install(FILES data/${TOVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT program)
install(FILES data/${TOVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT program)
install(DIRECTORY data/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons COMPONENT program)
install(FILES ${TOVEL_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
install(DIRECTORY samples/tovels/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/tovelcreator/samples COMPONENT program)

install(FILES LICENSE DESTINATION ${TOVEL_DOCDIR} COMPONENT license)
install(FILES data/debian/copyright ${TOVEL_DEBIAN_CHANGELOG}
        DESTINATION ${TOVEL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
