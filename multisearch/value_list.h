#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "multisearch/quantities.h"

namespace kolvenar {

// A list holds at most this many values; the rest are counted, not used.
inline constexpr std::size_t kMaxValues = 10000;

// How much of a file is looked at to tell text from other data.
inline constexpr std::size_t kTextProbeBytes = 4096;

// One measured value of a list, with its label and the line it stands on (from 1).
struct MeasuredValue {
    double value = 0;
    std::string label;
    int line = 0;
};

// Why a line that is neither empty nor a comment gives no value.
enum class SkipReason { NoNumber, NotPositive, OutOfRange };

struct SkippedLine {
    int line = 0;
    SkipReason reason = SkipReason::NoNumber;
};

struct ValueList {
    std::vector<MeasuredValue> values;
    std::vector<SkippedLine> skipped;
    // Values after the first kMaxValues.
    std::size_t unusedValues = 0;
    // The first unit a comment names that is one of the lists' ("# Einheit: nm").
    std::optional<UnitChoice> unit;
};

// Reads a list: one value a line, a label after a tab, a semicolon, a comma or blanks; "#"
// starts a comment; a number has a decimal point or a decimal comma and an optional exponent
// ("589,0", "5.89E-7") and is read whole, unlike a number typed in the main window. Takes any
// bytes (as DecodeText does); labels come out as safe text (SafeLabel).
ValueList ReadValueList(std::string_view bytes);

// A whole text read as a number of a list ("0,5", "2.5E-3"); none where the text is no such
// number or leaves the double range.
std::optional<double> ReadListNumber(std::string_view text);

// The German reason a line was skipped, as the summary names it.
std::string_view SkipReasonText(SkipReason reason);

// A file is text when its first kTextProbeBytes hold no NUL byte.
bool IsText(std::string_view bytes);

// UTF-8 text of a file: every valid UTF-8 sequence as it is, every other byte read as
// Windows-1252; byte order marks at the start are dropped.
std::string DecodeText(std::string_view bytes);

// A label that shows and exports safely: control characters and the characters that turn the
// direction or break the line become blanks; blanks at either end go.
std::string SafeLabel(std::string_view utf8);

}  // namespace kolvenar
