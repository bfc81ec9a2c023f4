#include "multisearch/value_list.h"

#include <charconv>
#include <system_error>

namespace kolvenar {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// What may stand between a value and its label.
bool IsSeparator(char c) {
    return IsBlank(c) || c == ';' || c == ',';
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
    }
    return i;
}

struct Reading {
    std::optional<SkipReason> reason;
    double value = 0;
    std::size_t end = 0;
};

// A number at the start of `s`: sign, digits with one decimal point or comma, exponent. A comma
// is a decimal comma only before a digit and when the number has no decimal point yet, so
// "589.0,Na D2" is a value and a label. The number must end the line or be followed by a
// separator: "1,234.5" and "589nm" are no numbers, rather than misread ones.
Reading ReadNumber(std::string_view s) {
    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        number += s[i++];
    }
    std::size_t digits = SkipDigits(s, i);
    number.append(s.substr(i, digits - i));
    bool anyDigit = digits > i;
    i = digits;
    const bool point = i < s.size() && s[i] == '.';
    const bool comma = i + 1 < s.size() && s[i] == ',' && IsDigit(s[i + 1]);
    if (point || comma) {
        number += '.';
        digits = SkipDigits(s, ++i);
        number.append(s.substr(i, digits - i));
        anyDigit = anyDigit || digits > i;
        i = digits;
    }
    if (!anyDigit) {
        return {SkipReason::NoNumber};
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (const std::size_t end = SkipDigits(s, j); end > j) {
            number += 'e';
            number.append(s.substr(i + 1, end - i - 1));
            i = end;
        }
    }
    if (i < s.size() && !IsSeparator(s[i])) {
        return {SkipReason::NoNumber};
    }
    Reading reading{std::nullopt, 0, i};
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), reading.value);
    if (error == std::errc::result_out_of_range) {
        reading.reason = SkipReason::OutOfRange;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        reading.reason = SkipReason::NoNumber;
    } else if (!(reading.value > 0)) {
        reading.reason = SkipReason::NotPositive;
    }
    return reading;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

// "Einheit: nm", "units angstroms", "Unit = eV": the unit a comment names.
std::optional<UnitChoice> UnitOfComment(std::string_view comment) {
    comment = Trimmed(comment);
    std::size_t word = 0;
    while (word < comment.size() && comment[word] >= 'A') {
        ++word;
    }
    const std::string keyword = Folded(comment.substr(0, word));
    if (keyword != "einheit" && keyword != "einheiten" && keyword != "unit" && keyword != "units") {
        return std::nullopt;
    }
    std::size_t start = word;
    while (start < comment.size() &&
           (IsBlank(comment[start]) || comment[start] == ':' || comment[start] == '=')) {
        ++start;
    }
    if (start == word) {
        return std::nullopt;
    }
    std::size_t end = start;
    while (end < comment.size() && !IsSeparator(comment[end]) && comment[end] != '(') {
        ++end;
    }
    return FindUnit(comment.substr(start, end - start));
}

void ReadLine(std::string_view line, int number, ValueList& list) {
    const std::size_t hash = line.find('#');
    const std::string_view content = Trimmed(line.substr(0, hash));
    if (content.empty()) {
        if (hash != std::string_view::npos && !list.unit) {
            list.unit = UnitOfComment(line.substr(hash + 1));
        }
        return;
    }
    const Reading reading = ReadNumber(content);
    if (reading.reason) {
        list.skipped.push_back({number, *reading.reason});
        return;
    }
    if (list.values.size() >= kMaxValues) {
        ++list.unusedValues;
        return;
    }
    std::string_view label = content.substr(reading.end);
    while (!label.empty() && IsSeparator(label.front())) {
        label.remove_prefix(1);
    }
    list.values.push_back({reading.value, SafeLabel(label), number});
}

}  // namespace

ValueList ReadValueList(std::string_view bytes) {
    const std::string text = DecodeText(bytes);
    const std::string_view all(text);
    ValueList list;
    int number = 0;
    for (std::size_t start = 0; start <= all.size();) {
        std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = all.size();
        }
        ++number;
        ReadLine(all.substr(start, end - start), number, list);
        if (end == all.size()) {
            break;
        }
        start = end + ((all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n') ? 2 : 1);
    }
    return list;
}

std::optional<double> ReadListNumber(std::string_view text) {
    const Reading reading = ReadNumber(text);
    const bool number = !reading.reason || *reading.reason == SkipReason::NotPositive;
    if (!number || reading.end != text.size()) {
        return std::nullopt;
    }
    return reading.value;
}

std::string_view SkipReasonText(SkipReason reason) {
    switch (reason) {
        case SkipReason::NoNumber:
            return "keine Zahl";
        case SkipReason::NotPositive:
            return "Wert nicht größer als 0";
        case SkipReason::OutOfRange:
            return "Zahl außerhalb des Zahlenbereichs";
    }
    return {};
}

}  // namespace kolvenar
