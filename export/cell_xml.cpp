#include "export/cell_xml.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "export/utf8.h"

namespace kolvenar {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// A carriage return is allowed, but a reader would turn it into a line feed.
bool WrittenAsEscape(char32_t c) {
    return (c < 0x20 && c != '\t' && c != '\n') || c == 0xFFFE || c == 0xFFFF;
}

// The character at the start of a text and its length in bytes; a broken byte is one U+FFFD.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text) {
    char32_t c = 0;
    const std::size_t length = DecodeUtf8(text, c);
    return length > 0 ? std::pair{c, length} : std::pair{kReplacement, std::size_t{1}};
}

// Whether the text starts with what a reader takes for "_xHHHH_" once it is written: the
// underscore that closes it may also be the first of a character written as an escape.
bool ReadsAsEscape(std::string_view text) {
    const auto hex = [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    };
    return text.size() >= 7 && text.substr(0, 2) == "_x" &&
           std::all_of(text.begin() + 2, text.begin() + 6, hex) &&
           (text[6] == '_' || WrittenAsEscape(NextCharacter(text.substr(6)).first));
}

}  // namespace

std::string EscapedCellText(std::string_view utf8) {
    std::string escaped;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto [c, length] = NextCharacter(utf8.substr(i));
        if (c == '&') {
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else if (WrittenAsEscape(c) || ReadsAsEscape(utf8.substr(i))) {
            constexpr char kHex[] = "0123456789ABCDEF";
            escaped += "_x";
            for (int shift = 12; shift >= 0; shift -= 4) {
                escaped += kHex[(c >> shift) & 0xF];
            }
            escaped += '_';
        } else if (c == kReplacement && length == 1) {
            escaped += "\xEF\xBF\xBD";
        } else {
            escaped.append(utf8.substr(i, length));
        }
        i += length;
    }
    return escaped;
}

std::string TextCellRest(std::string_view utf8, int style) {
    std::string rest = "\"";
    if (style != 0) {
        rest += " s=\"" + std::to_string(style) + '"';
    }
    rest += " t=\"inlineStr\"><is><t>";
    return rest + EscapedCellText(utf8) + "</t></is></c>";
}

}  // namespace kolvenar
