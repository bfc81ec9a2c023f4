#pragma once

#include <string>
#include <string_view>

namespace kolvenar {

// Converts UTF-8 text into the 8-bit Windows-1252 code page that spreadsheet programs read
// for these files (ä is E4, ö F6, ü FC, ² B2, ³ B3, µ B5). A character the code page cannot
// hold, and a byte that is not valid UTF-8, becomes "?".
std::string ToWindows1252(std::string_view utf8);

}  // namespace kolvenar
