#include "export/windows1252.h"

#include <array>
#include <cstdint>

#include "export/utf8.h"

namespace kolvenar {

namespace {

// The characters the code page holds at 80 to 9F in place of the control characters there;
// 81, 8D, 8F, 90 and 9D hold none.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> kSpecialCharacters = {{
    {U'€', 0x80}, {U'‚', 0x82}, {U'ƒ', 0x83}, {U'„', 0x84}, {U'…', 0x85}, {U'†', 0x86},
    {U'‡', 0x87}, {U'ˆ', 0x88}, {U'‰', 0x89}, {U'Š', 0x8A}, {U'‹', 0x8B}, {U'Œ', 0x8C},
    {U'Ž', 0x8E}, {U'‘', 0x91}, {U'’', 0x92}, {U'“', 0x93}, {U'”', 0x94}, {U'•', 0x95},
    {U'–', 0x96}, {U'—', 0x97}, {U'˜', 0x98}, {U'™', 0x99}, {U'š', 0x9A}, {U'›', 0x9B},
    {U'œ', 0x9C}, {U'ž', 0x9E}, {U'Ÿ', 0x9F},
}};

constexpr char kUnknown = '?';

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

char Encode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (const auto& [character, byte] : kSpecialCharacters) {
        if (character == c) {
            return static_cast<char>(byte);
        }
    }
    return kUnknown;
}

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto* text = reinterpret_cast<const unsigned char*>(utf8.data());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(utf8.substr(i), c);
        // Language tags are invisible marks of no use in the code page; they are dropped.
        if (length > 0 && c >= 0xE0000 && c <= 0xE007F) {
            i += length;
            continue;
        }
        const char encoded = length > 0 ? Encode(c) : kUnknown;
        if (length > 0 && (encoded != kUnknown || c == U'?')) {
            out += encoded;
            i += length;
            continue;
        }
        // A broken character, or one the code page does not hold: its first byte and the
        // continuation bytes after it, at most four bytes in all, become one "?".
        std::size_t skipped = 1;
        while (skipped < 4 && i + skipped < utf8.size() && IsContinuation(text[i + skipped])) {
            ++skipped;
        }
        out += kUnknown;
        i += skipped;
    }
    return out;
}

}  // namespace kolvenar
