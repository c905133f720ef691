// The catalogs that come with the library, as the files they are kept in (translations/):
// each file's text, built into the library from the file (cmake/EmbedFile.cmake).
#pragma once

#include <string_view>

namespace corvane {

// translations/corvane_de.ts.
std::string_view GermanTs();

}  // namespace corvane
