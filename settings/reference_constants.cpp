#include "settings/reference_constants.h"

#include "core/number_rules.h"

#include <utility>

namespace kolvenar {

double ReferenceLengthFromText(std::string_view text) {
    const double value = LeadingNumber(text);
    return value == 0.0 ? 1.0 : value;
}

CxEntry CxEntryFromTexts(std::string cx, std::string_view wert, std::string bezeichnung) {
    return {std::move(cx), ReferenceLengthFromText(wert), std::move(bezeichnung)};
}

}  // namespace kolvenar
