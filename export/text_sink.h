#pragma once

#include <functional>
#include <string_view>

namespace kolvenar {

// Where a text goes, piece by piece: a file, a compressed stream, the clipboard's buffer.
// Returning false stops the writing.
using TextSink = std::function<bool(std::string_view piece)>;

}  // namespace kolvenar
