#include "core/reference_constants.h"

#include "core/number_rules.h"

namespace kolvenar {

double ReferenceLengthFromText(std::string_view text) {
    const double value = LeadingNumber(text);
    return value == 0.0 ? 1.0 : value;
}

}  // namespace kolvenar
