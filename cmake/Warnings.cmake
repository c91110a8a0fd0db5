# Warnings are errors on our own targets only, never on third-party code.
function(trot_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
