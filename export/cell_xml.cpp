#include "export/cell_xml.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
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

namespace kolvenar {

std::string ColumnLetters(std::size_t column) {
    std::string letters;
    for (std::size_t rest = column + 1; rest > 0; rest = (rest - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    }
    return letters;
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Excel stores a width with the five pixels of padding of its default font, whose digits are
// seven pixels wide.
std::string ColumnWidthsXml(const std::vector<std::size_t>& characters) {
    constexpr std::size_t kNarrowest = 6;
    std::string cols = "<cols>";
    for (std::size_t c = 0; c < characters.size(); ++c) {
        const std::size_t room = std::max(characters[c] + 2, kNarrowest);
        const double stored = std::floor((static_cast<double>(room) * 7 + 5) / 7 * 256) / 256;
        char width[32];
        const auto end = std::to_chars(width, width + sizeof width, stored).ptr;
        const std::string column = std::to_string(c + 1);
        cols += "<col min=\"" + column + "\" max=\"" + column + "\" width=\"" +
                std::string(width, end) + "\" customWidth=\"1\"/>";
    }
    return cols + "</cols>";
}

}  // namespace kolvenar
