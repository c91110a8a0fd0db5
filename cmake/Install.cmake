# Where everything goes on `cmake --install` and in the Debian package:
# the programs in bin/, the built resources where trotspeak looks for them
# (<prefix>/share/trotspeak), the manual pages, the shell completions where
# each shell looks for them, and the documentation in share/doc/trotspeak.
# The layout is the one Debian asks for (compressed manual pages, the
# licence as a machine-readable copyright file, the changelog compressed),
# so that the package and an install by hand hold the same files.
set(TROT_PACKAGE_CONTACT "Trotspeak developers <developers@trotspeak.invalid>"
    CACHE STRING "Maintainer named in the Debian package and its changelog")
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

# The installed files that are not built are put together in the build
# folder (man/, completions/, doc/) when it is configured: nothing here
# costs a build step.
set(out ${CMAKE_BINARY_DIR})

# link_in_build_folder(<folder> <link> <target>): a relative symbolic link,
# which the install copies as a link.
function(link_in_build_folder folder link target)
  file(MAKE_DIRECTORY ${out}/${folder})
  file(CREATE_LINK ${target} ${out}/${folder}/${link} SYMBOLIC)
endfunction()

# Manual pages carry the project's version, and are compressed without a
# name or time in them so that two builds give the same bytes.
find_program(TROT_GZIP gzip REQUIRED)
foreach(page trotspeak trotconv)
  configure_file(docs/man/${page}.1.in ${out}/man/${page}.1 @ONLY)
  if(${out}/man/${page}.1 IS_NEWER_THAN ${out}/man/${page}.1.gz)
    execute_process(COMMAND ${TROT_GZIP} -9nkf ${out}/man/${page}.1 COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
link_in_build_folder(man trotthink.1.gz trotspeak.1.gz)
install(FILES ${out}/man/trotspeak.1.gz ${out}/man/trotthink.1.gz ${out}/man/trotconv.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Each shell loads a completion file by the command's name; one file serves
# all three commands.
configure_file(completions/trotspeak.bash ${out}/completions/bash/trotspeak COPYONLY)
configure_file(completions/trotspeak.fish ${out}/completions/fish/trotspeak.fish COPYONLY)
foreach(command trotthink trotconv)
  link_in_build_folder(completions/bash ${command} trotspeak)
  link_in_build_folder(completions/fish ${command}.fish trotspeak.fish)
endforeach()
foreach(command trotspeak trotthink trotconv)
  install(FILES ${out}/completions/bash/${command} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
  install(FILES ${out}/completions/fish/${command}.fish DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
endforeach()
install(FILES completions/_trotspeak DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/site-functions)

# The documentation: the README, the guide that the manual points to, the
# changes and the licence.
include(cmake/DebianChangelog.cmake)
install(FILES README.md docs/make-your-own-pony.md ${out}/doc/changelog.gz docs/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Read by lintian alone, from where the Debian package puts it.
install(FILES docs/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME trotspeak)

# `make uninstall`: removes every file that the last install from this build
# folder put in place, as its install_manifest.txt lists them.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${CMAKE_SOURCE_DIR}/cmake/Uninstall.cmake
  COMMENT "Removing the installed files"
  VERBATIM)
