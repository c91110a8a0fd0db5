# The shipped programs are linked statically and with link-time optimisation:
# trotspeak runs from shell start-up files, and resolving the C++ runtime's
# symbols in the dynamic loader took most of its start-up time. Distribution
# packagers who want the shared runtime turn TROT_STATIC off.
#
# Sanitizer and fuzz builds stay dynamic (the sanitizers' runtimes cannot be
# linked into a static program), and so do the benchmarks and tests, which
# link libraries that some systems ship only as shared ones.
include(CheckCXXSourceCompiles)

option(TROT_STATIC "Link trotspeak and trotconv statically, with link-time optimisation" ON)

set(trot_static_wanted OFF)
if(TROT_STATIC AND NOT TROT_SANITIZE AND NOT TROT_FUZZ)
  set(trot_static_wanted ON)
endif()

if(trot_static_wanted)
  # A fully static position-independent program where the C library supports
  # it, else at least the C++ runtime linked in.
  set(CMAKE_REQUIRED_FLAGS -fPIE)
  set(CMAKE_REQUIRED_LINK_OPTIONS -static-pie)
  check_cxx_source_compiles([[
#include <string>
int main(int argc, char**) { return static_cast<int>(std::to_string(argc).size()); }
]] TROT_HAVE_STATIC_PIE)
  unset(CMAKE_REQUIRED_FLAGS)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
endif()

# Links `programs` as chosen above; `libraries` are what they are built from.
function(trot_static_programs)
  cmake_parse_arguments(ARG "" "" "PROGRAMS;LIBRARIES" ${ARGN})
  if(NOT trot_static_wanted)
    return()
  endif()
  set(targets ${ARG_PROGRAMS} ${ARG_LIBRARIES})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Objects that hold machine code too, so that the tests, which link the
    # same libraries, need no link-time optimisation of their own. Other
    # compilers cannot make such objects, and link without it.
    foreach(target ${targets})
      target_compile_options(${target} PRIVATE -flto=auto -ffat-lto-objects)
    endforeach()
    foreach(program ${ARG_PROGRAMS})
      target_link_options(${program} PRIVATE -flto=auto)
    endforeach()
  endif()

  if(TROT_HAVE_STATIC_PIE)
    set_target_properties(${targets} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    # Much of the static C++ runtime is never called: leaving it out makes
    # the program a quarter smaller, and it faults in fewer pages at start.
    set(link_options -static-pie -Wl,--gc-sections)
  else()
    set(link_options -static-libstdc++ -static-libgcc)
  endif()
  foreach(program ${ARG_PROGRAMS})
    target_link_options(${program} PRIVATE ${link_options})
  endforeach()
endfunction()

# Moves each static program's debug information into <program>.debug beside it,
# which debuggers find through the link that objcopy leaves in the program.
# A start-up with the program's pages no longer cached reads the whole file
# from the disk, and four fifths of it were debug information: such a start
# took twice as long.
function(trot_split_debug_information)
  # Called where each program is made: a step after the link must be added there.
  if(NOT trot_static_wanted OR NOT CMAKE_OBJCOPY OR WIN32 OR APPLE
     OR NOT CMAKE_BUILD_TYPE MATCHES "^(Debug|RelWithDebInfo)$")
    return()
  endif()
  foreach(program ${ARGN})
    add_custom_command(TARGET ${program} POST_BUILD
      COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${program}> $<TARGET_FILE_NAME:${program}>.debug
      COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE_NAME:${program}>.debug
              $<TARGET_FILE_NAME:${program}>
      WORKING_DIRECTORY $<TARGET_FILE_DIR:${program}>
      VERBATIM)
  endforeach()
endfunction()
