# Every target of ours gets the same strict warnings.
function(gurx_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
    -Wimplicit-fallthrough)
  if(GURX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
