# The build date that `trotspeak -v` shows, settled when the build is
# configured so that building again with nothing changed rebuilds nothing:
#   1. SOURCE_DATE_EPOCH, when set (reproducible builds set it);
#   2. else, in a git checkout, the date of the last commit, so that two
#      builds of the same commit give the same bytes; the build is configured
#      again whenever the checked-out commit changes;
#   3. else the time the build folder was first configured.
# Sets TROT_BUILD_EPOCH (seconds since 1970, UTC) and TROT_BUILD_STAMP
# ("dd/mm/yyyy hh:mm.ss", UTC).
find_package(Git QUIET)

set(trot_source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(trot_commit_epoch "")
if(trot_source_date_epoch STREQUAL "" AND GIT_FOUND AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE trot_commit_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE trot_git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  # Every commit, checkout, reset or rebase adds a line to HEAD's log.
  foreach(file HEAD logs/HEAD)
    if(trot_git_dir AND EXISTS ${trot_git_dir}/${file})
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${trot_git_dir}/${file})
    endif()
  endforeach()
endif()

if(NOT trot_source_date_epoch STREQUAL "")
  set(TROT_BUILD_EPOCH "${trot_source_date_epoch}")
  if(NOT TROT_BUILD_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a number of seconds, not \"${TROT_BUILD_EPOCH}\"")
  endif()
elseif(trot_commit_epoch MATCHES "^[0-9]+$")
  set(TROT_BUILD_EPOCH ${trot_commit_epoch})
else()
  if(NOT TROT_CONFIGURE_EPOCH)
    string(TIMESTAMP now "%s" UTC)
    set(TROT_CONFIGURE_EPOCH ${now} CACHE INTERNAL "When this build folder was first configured")
  endif()
  set(TROT_BUILD_EPOCH ${TROT_CONFIGURE_EPOCH})
endif()

# trot_format_epoch(<variable> <format> [<epoch>]): the epoch, by default
# TROT_BUILD_EPOCH, in string(TIMESTAMP)'s format, in UTC. string(TIMESTAMP)
# gives the time in SOURCE_DATE_EPOCH when it is set, and formats no other
# given time.
function(trot_format_epoch variable format)
  set(epoch ${TROT_BUILD_EPOCH})
  if(ARGC GREATER 2)
    set(epoch ${ARGV2})
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  string(TIMESTAMP text "${format}" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${trot_source_date_epoch}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

trot_format_epoch(TROT_BUILD_STAMP "%d/%m/%Y %H:%M.%S")
