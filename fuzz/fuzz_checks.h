#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property ends the run loudly, so both libFuzzer and the corpus replay in the test
// suite report the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace kolvenar::fuzz {

// Whether a shown text spells an infinity or a NaN the way the C library or Qt would.
inline bool LooksLikeInfOrNan(std::string_view text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const auto lower = [&](std::size_t k) {
            return static_cast<char>(text[i + k] | 0x20);
        };
        const bool inf = lower(0) == 'i' && lower(1) == 'n' && lower(2) == 'f';
        const bool nan = lower(0) == 'n' && lower(1) == 'a' && lower(2) == 'n';
        if (inf || nan) {
            return true;
        }
    }
    return false;
}

}  // namespace kolvenar::fuzz
