# Removes what an install put in place, as its manifest lists it: every
# file and link, then the folders of our own (share/trotspeak, the folders
# in it, and share/doc/trotspeak) once they are empty. Folders shared with
# other programs (bin, share/man/man1, ...) stay.
#   cmake -DMANIFEST=<build>/install_manifest.txt -P Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (it is written by make install)")
endif()
file(STRINGS "${MANIFEST}" installed)
set(own_folders "")
foreach(file IN LISTS installed)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder MATCHES "/share/(doc/)?trotspeak(/[^/]+)*$")
    list(APPEND own_folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()

# Deepest first, so that a folder is empty by the time it is looked at.
list(REMOVE_DUPLICATES own_folders)
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
  file(GLOB left "${folder}/*" "${folder}/.*")
  if(IS_DIRECTORY "${folder}" AND NOT left)
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
