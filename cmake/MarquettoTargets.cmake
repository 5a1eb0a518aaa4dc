# Our own targets build with every warning as an error; third-party code is left alone.
function(marquetto_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

function(marquetto_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    marquetto_warnings(${target})
endfunction()
