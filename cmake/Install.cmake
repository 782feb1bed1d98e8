# What `cmake --install` puts in place.
install(TARGETS tovelcreator RUNTIME DESTINATION bin)
install(FILES data/tovelcreator.desktop DESTINATION share/applications)
