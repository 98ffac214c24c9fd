# Warning flags shared by every target of the project.
function(ombrin_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Wcast-align -Wnull-dereference -Wimplicit-fallthrough)
    if(OMBRIN_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
