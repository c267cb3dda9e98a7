# Writes OUTPUT, a C++ source defining `std::string_view FUNCTION()` that returns the bytes of
# INPUT. The bytes go in as a character array in hexadecimal, so no text of the file (quotes,
# backslashes, a raw-string delimiter) can end the literal early.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes a line keep the generated source readable; CMake's expressions have no repetition
# count, so the pattern of one line is built by repeating that of a byte.
string(REPEAT "[0-9a-f][0-9a-f]" 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE ${OUTPUT}.tmp
"// Generated from ${INPUT}; do not edit.
#include <string_view>

namespace {
const char kText[] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view ${FUNCTION}() {
    return std::string_view(kText, ${size});
}
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
