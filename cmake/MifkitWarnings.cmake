# Warnings are errors on our own code; generated code gets its own, milder set.
function(mifkit_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
