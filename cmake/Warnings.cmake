# Warnings are errors in both trees; the flags go on our own targets only, not on GoogleTest.
function(korvale_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 reports impossible overlaps inside std::string at -O2 and above (a known false
  # positive of its restrict analysis).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()
