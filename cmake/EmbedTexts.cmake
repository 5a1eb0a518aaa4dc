# Run as: cmake -DOUTPUT=BuiltInTexts.cpp "-DENTRIES=name=file|name=file|..." -P EmbedTexts.cmake
# Writes the BuiltInTexts functions, each returning one file's bytes with CR LF line ends.
# Generation deletes CR LF pairs and TABs from the templates, so a lone LF or an indent made of spaces
# would reach the generated scripts: the LF is made CR LF here, and a space indent stops the build.

set(source "// Generated from the files named below by cmake/EmbedTexts.cmake; do not edit.\n")
string(APPEND source "#include \"generator/BuiltInTexts.h\"\n\n")
string(REPLACE "|" ";" ENTRIES "${ENTRIES}")
foreach(entry IN LISTS ENTRIES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 file)
    file(READ "${file}" hex HEX)
    # One "xx," per byte, so that every replacement below stays on byte boundaries.
    string(REGEX REPLACE "(..)" "\\1," bytes "${hex}")
    string(REPLACE "0d,0a," "0a," bytes "${bytes}")
    string(REPLACE "0a," "0d,0a," bytes "${bytes}")
    if(bytes MATCHES "^20," OR bytes MATCHES "0a,20,")
        message(FATAL_ERROR "${file}: a line is indented with spaces; indent with TABs")
    endif()
    string(LENGTH "${bytes}" width)
    math(EXPR size "${width} / 3")
    string(REGEX REPLACE "(..)," "0x\\1," bytes "${bytes}")
    string(REPEAT "0x..," 24 row)
    string(REGEX REPLACE "(${row})" "\\1\n        " bytes "${bytes}")
    get_filename_component(file_name "${file}" NAME)
    string(APPEND source "// ${file_name}\nstd::string_view BuiltInTexts::${name}()\n{\n")
    string(APPEND source "    static constexpr unsigned char bytes[] = {\n        ${bytes}0x00};\n")
    string(APPEND source "    return {reinterpret_cast<const char*>(bytes), ${size}};\n}\n\n")
endforeach()
file(WRITE "${OUTPUT}.new" "${source}")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
