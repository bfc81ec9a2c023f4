// The text of a list: decoding a file's bytes and making labels safe.
#include <array>
#include <cstdint>

#include "multisearch/value_list.h"

namespace kolvenar {

namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves free keep the C1 control of that
// number, which SafeLabel then blanks. From 0xA0 on the code page is Latin-1.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the valid UTF-8 sequence at `i` and its code point; 0 where none starts.
std::size_t Utf8Sequence(std::string_view s, std::size_t i, char32_t& c) {
    const auto byte = [&s](std::size_t k) {
        return static_cast<std::uint8_t>(s[k]);
    };
    const std::uint8_t lead = byte(i);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000, c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return (c < lowest || c > 0x10FFFF || surrogate) ? 0 : length;
}

bool Unsafe(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C || c == 0xFEFF;
}

}  // namespace

bool IsText(std::string_view bytes) {
    return bytes.substr(0, kTextProbeBytes).find('\0') == std::string_view::npos;
}

std::string DecodeText(std::string_view bytes) {
    while (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        if (const std::size_t length = Utf8Sequence(bytes, i, c)) {
            text.append(bytes.substr(i, length));
            i += length;
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(bytes[i++]);
        AppendUtf8(text, byte >= 0xA0 ? char32_t{byte} : kWindows1252High[byte - 0x80u]);
    }
    return text;
}

std::string SafeLabel(std::string_view utf8) {
    std::string label;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0xFFFD;
        std::size_t length = Utf8Sequence(utf8, i, c);
        if (length == 0) {
            c = 0xFFFD;
            length = 1;
        }
        if (Unsafe(c)) {
            label += ' ';
        } else if (c == 0xFFFD && length == 1) {
            AppendUtf8(label, c);
        } else {
            label.append(utf8.substr(i, length));
        }
        i += length;
    }
    const auto first = label.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return label.substr(first, label.find_last_not_of(' ') - first + 1);
}

}  // namespace kolvenar
