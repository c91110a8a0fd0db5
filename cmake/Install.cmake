# Where everything goes on `cmake --install` and in the Debian package:
# the programs in bin/, the built resources where trotspeak looks for them
# (<prefix>/share/trotspeak), the manual pages and the shell
# completions where each shell looks for them.
if(WIN32)
  include(cmake/InstallWindows.cmake)
  return()
endif()
include(GNUInstallDirs)

# trotthink is trotspeak under another name; the link sits in the build
# folder too, so both names work from there.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/trotthink
  COMMAND ${CMAKE_COMMAND} -E create_symlink trotspeak ${CMAKE_BINARY_DIR}/trotthink
  DEPENDS trotspeak
  COMMENT "Linking trotthink to trotspeak")
add_custom_target(trotthink_link ALL DEPENDS ${CMAKE_BINARY_DIR}/trotthink)

install(TARGETS trotspeak trotconv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/trotthink DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET resources)
  set(resource_dir ${CMAKE_INSTALL_DATADIR}/trotspeak)
  install(FILES ${CMAKE_BINARY_DIR}/resources/ponies.bin ${CMAKE_BINARY_DIR}/resources/extraponies.bin
          DESTINATION ${resource_dir})
  install(DIRECTORY ${CMAKE_BINARY_DIR}/resources/bubbles DESTINATION ${resource_dir})
endif()

install(FILES docs/man/trotspeak.1 docs/man/trotconv.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES docs/man/trotspeak.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 RENAME trotthink.1)

# Each shell loads a completion file by the command's name.
foreach(command trotspeak trotthink trotconv)
  install(FILES completions/trotspeak.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME ${command})
  install(FILES completions/trotspeak.fish DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d
          RENAME ${command}.fish)
endforeach()
install(FILES completions/_trotspeak DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/site-functions)
