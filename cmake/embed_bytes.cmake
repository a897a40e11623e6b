# Writes a C++ source that holds a file's bytes as an array, for data the
# program carries inside itself:
#   cmake -DINPUT=FILE -DOUTPUT=SOURCE.cpp -DNAME=qualified::name -P embed_bytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
string(REGEX REPLACE "^(.*)::([^:]*)$" "\\1" space "${NAME}")
string(REGEX REPLACE "^(.*)::([^:]*)$" "\\2" symbol "${NAME}")
file(WRITE "${OUTPUT}" "// Made by cmake/embed_bytes.cmake from ${INPUT}.\n#include <cstddef>\n\nnamespace ${space} {\n\nextern const unsigned char ${symbol}[${size}] = {\n${bytes}};\nextern const size_t ${symbol}Size = ${size};\n\n}\n")
