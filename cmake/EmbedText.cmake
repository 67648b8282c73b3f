# cmake -DINPUT=FILE -DOUTPUT=HEADER -DNAME=IDENTIFIER -P EmbedText.cmake
#
# Writes HEADER with `inline constexpr char IDENTIFIER[]`: the bytes of FILE
# and a closing zero, so that a program carries a text file (a web page) in
# itself and needs nothing beside it at run time. Character escapes rather
# than one string literal, so that no text in the file can end the literal
# early.
file(READ "${INPUT}" content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
# A line of its own for each line of the file keeps the header readable.
string(REPLACE "'\\x0a'," "'\\x0a',\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
     "// Generated from ${INPUT} by cmake/EmbedText.cmake; do not edit.\n"
     "#pragma once\n\n"
     "inline constexpr char ${NAME}[] = {\n    ${bytes}'\\0'};\n")
# Only a changed page touches the header, so an unchanged one rebuilds nothing.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
