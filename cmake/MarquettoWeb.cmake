# The browser edition (web/): the core compiled to WebAssembly by Debian's emscripten into build/web-build,
# with the finished static folder in build/web/. It is a project of its own, configured with emcmake, and
# takes the built-in texts that this build compiles, so both editions generate from the same bytes.
find_program(EMCMAKE_EXECUTABLE emcmake)
cmake_dependent_option(MARQUETTO_WEB "Build the browser edition with emscripten" ON
    "NOT MARQUETTO_SANITIZE;NOT MARQUETTO_FUZZ" OFF)
if(NOT MARQUETTO_WEB)
    return()
endif()
if(NOT EMCMAKE_EXECUTABLE)
    message(WARNING "emcmake was not found, so the browser edition is not built (install emscripten)")
    set(MARQUETTO_WEB OFF)
    return()
endif()

include(ExternalProject)
# emscripten's JavaScript optimiser needs Debian's node-acorn, which a Node.js from outside Debian does not
# look for by itself.
set(emscripten_environment ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(MARQUETTO_WEB_DIR ${PROJECT_BINARY_DIR}/web)
ExternalProject_Add(marquetto_web
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/web
    BINARY_DIR ${PROJECT_BINARY_DIR}/web-build
    CONFIGURE_COMMAND ${emscripten_environment} ${EMCMAKE_EXECUTABLE} ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR}/web
        -B ${PROJECT_BINARY_DIR}/web-build -G ${CMAKE_GENERATOR} -DCMAKE_BUILD_TYPE=Release
        -DMARQUETTO_SOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DMARQUETTO_BUILT_IN_TEXTS=${PROJECT_BINARY_DIR}/generator/BuiltInTexts.cpp
        -DMARQUETTO_WEB_OUT=${MARQUETTO_WEB_DIR} -DMARQUETTO_WERROR=${MARQUETTO_WERROR}
    BUILD_COMMAND ${emscripten_environment} ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR}/web-build
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON
    DEPENDS marquetto_builtin_texts)
