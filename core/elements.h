#pragma once

#include <string_view>

namespace kolvenar {

inline constexpr int kElementCount = 118;

// German name of element Z (1 to 118); a trailing "*" marks an artificial element. Any other
// Z gives the empty text.
std::string_view ElementName(int z);

}  // namespace kolvenar
