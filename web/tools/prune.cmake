# Run as: cmake -DFOLDER=dir "-DKEEP=name|name|..." -P prune.cmake
# Removes from the page's folder every file that the build did not make this time (a module since joined,
# a renamed file), so that the folder to publish holds exactly the page.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" KEEP "${KEEP}")
file(GLOB_RECURSE present RELATIVE "${FOLDER}" "${FOLDER}/*")
foreach(name IN LISTS present)
    if(NOT name IN_LIST KEEP)
        file(REMOVE "${FOLDER}/${name}")
    endif()
endforeach()
