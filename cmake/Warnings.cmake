# Our own targets are compiled with every common warning; third-party code
# never is. Warnings stop the build only with TROT_WERROR (CI turns it on),
# so that a newer compiler's new warning does not stop a user's build.
option(TROT_WERROR "Treat compiler warnings as errors" OFF)

function(trot_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TROT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
