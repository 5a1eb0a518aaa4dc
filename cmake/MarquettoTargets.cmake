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

# Compiles files into `output`, a C++ source of the functions CLASS::name() (cmake/EmbedFiles.cmake). Each
# further argument is name=file, or name=file+file for files joined, with full paths.
function(marquetto_embed_files output header class line_ends comment)
    set(files)
    foreach(entry IN LISTS ARGN)
        string(REGEX REPLACE "^[^=]*=" "" parts "${entry}")
        string(REPLACE "+" ";" parts "${parts}")
        list(APPEND files ${parts})
    endforeach()
    string(REPLACE ";" "|" entries "${ARGN}")
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DHEADER=${header} -DCLASS=${class} -DLINE_ENDS=${line_ends}
                "-DENTRIES=${entries}" -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
        DEPENDS ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake ${files}
        COMMENT "${comment}"
        VERBATIM)
endfunction()
