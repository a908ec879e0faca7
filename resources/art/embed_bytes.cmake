# Writes a .cpp defining `art::Bytes <FUNCTION>()` over the bytes of INPUT.
# Usage: cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P embed_bytes.cmake
foreach(required INPUT OUTPUT FUNCTION)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "embed_bytes.cmake needs -D${required}=...")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
if(hex STREQUAL "")
  message(FATAL_ERROR "${INPUT} is empty")
endif()

# Twelve bytes per line keeps the generated file diffable.
string(REGEX REPLACE "(........................)" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "\n$" "" bytes "${bytes}")
string(REPLACE "\n" "\n    " bytes "${bytes}")
get_filename_component(source_name "${INPUT}" NAME)

file(WRITE "${OUTPUT}" "// Generated from ${source_name} at build time; edit the pixel art instead.
#include \"art/embedded_art.h\"

namespace art {
namespace {

const unsigned char kBytes[] = {
    ${bytes}
};

}  // namespace

Bytes ${FUNCTION}() { return {kBytes, sizeof(kBytes)}; }

}  // namespace art
")
