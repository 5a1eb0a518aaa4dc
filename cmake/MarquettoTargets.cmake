# Every own target links marquetto_warnings. Warnings become errors only where we control the compiler
# (./test and CI turn MARQUETTO_WERROR on): a user's or packager's build never fails on a warning that a
# newer compiler invents. Third-party headers come in as system headers and are left alone.
option(MARQUETTO_WERROR "Treat warnings in Marquetto's own code as errors" OFF)
add_library(marquetto_warnings INTERFACE)
target_compile_options(marquetto_warnings INTERFACE -Wall -Wextra -Wpedantic $<$<BOOL:${MARQUETTO_WERROR}>:-Werror>)

function(marquetto_warnings target)
    target_link_libraries(${target} PRIVATE marquetto_warnings)
endfunction()

function(marquetto_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    marquetto_warnings(${target})
endfunction()
