// ReadValueList on any bytes, as a loaded file or a pasted list gives them: at most 10,000
// values, each positive and finite, in line order; labels that are well-formed UTF-8 without
// control characters or blanks at their ends; and the text it decodes reads the same again.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_checks.h"
#include "multisearch/value_list.h"

namespace {

using kolvenar::DecodeText;
using kolvenar::SafeLabel;

void CheckLabel(const std::string& label) {
    FUZZ_CHECK(SafeLabel(label) == label);
    FUZZ_CHECK(DecodeText("a" + label) == "a" + label);
    for (char c : label) {
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kolvenar::ValueList list = kolvenar::ReadValueList(bytes);
    FUZZ_CHECK(list.values.size() <= kolvenar::kMaxValues);
    FUZZ_CHECK(list.unusedValues == 0 || list.values.size() == kolvenar::kMaxValues);
    int line = 0;
    for (const kolvenar::MeasuredValue& value : list.values) {
        FUZZ_CHECK(value.value > 0 && std::isfinite(value.value));
        FUZZ_CHECK(value.line > line);
        line = value.line;
        CheckLabel(value.label);
    }
    // What the decoding gives is UTF-8 already and reads as the bytes did.
    const std::string text = DecodeText(bytes);
    FUZZ_CHECK(DecodeText("a" + text) == "a" + text);
    const kolvenar::ValueList again = kolvenar::ReadValueList(text);
    FUZZ_CHECK(again.values.size() == list.values.size());
    FUZZ_CHECK(again.skipped.size() == list.skipped.size());
    return 0;
}
