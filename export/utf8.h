#pragma once

#include <cstddef>
#include <string_view>

namespace kolvenar {

// Reads the UTF-8 character at the start of `text` into `character`. Returns its length in
// bytes, or 0 when the bytes there are no valid UTF-8 character: a stray or missing
// continuation byte, an overlong form, a surrogate, a code point beyond Unicode, or a
// character cut off by the end of the text.
std::size_t DecodeUtf8(std::string_view text, char32_t& character);

}  // namespace kolvenar
