# Writes a C++ source that holds a file's bytes and gives them as a std::string_view:
#   cmake -DINPUT=FILE -DOUTPUT=SOURCE -DFUNCTION=corvane::GermanTs -P EmbedFile.cmake
# FUNCTION is the function's name with its namespace; it takes no arguments. Used at build
# time, so that what the library holds follows its file (the translations) without a step
# by hand.
foreach(var IN ITEMS INPUT OUTPUT FUNCTION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedFile.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
if(length EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
# Sixteen bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")

string(REGEX MATCH "^(.*)::([^:]+)$" qualified "${FUNCTION}")
if(qualified)
  set(namespace ${CMAKE_MATCH_1})
  set(name ${CMAKE_MATCH_2})
else()
  message(FATAL_ERROR "FUNCTION takes a namespace: ns::Name, not ${FUNCTION}")
endif()
get_filename_component(source_name ${INPUT} NAME)

file(WRITE ${OUTPUT}.new
"// Generated from ${source_name} by cmake/EmbedFile.cmake; edit ${source_name} instead.
#include <string_view>

namespace ${namespace} {
namespace {

const unsigned char kBytes[] = {
    ${bytes}
};

}  // namespace

std::string_view ${name}();
std::string_view ${name}() { return {reinterpret_cast<const char*>(kBytes), sizeof kBytes}; }

}  // namespace ${namespace}
")
# Unchanged output keeps its time stamp: nothing that includes it is built again.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
