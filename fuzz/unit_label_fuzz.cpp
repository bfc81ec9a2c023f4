// ParseUnitLabel on any text, and ConvertUnit with whatever factor it yields.
#include <cmath>
#include <cstdint>
#include <string>

#include "core/units.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view label(reinterpret_cast<const char*>(data), size);
    const kolvenar::ParsedUnit unit = kolvenar::ParseUnitLabel(label);
    FUZZ_CHECK(std::isfinite(unit.UnitFactor));
    if (label.empty()) {
        FUZZ_CHECK(unit.UnitName == "?" && unit.UnitFactor == 0);
    } else {
        FUZZ_CHECK(label.substr(0, unit.UnitName.size()) == unit.UnitName);
        FUZZ_CHECK(unit.UnitName.find(' ') == std::string::npos);
    }
    // Converting 1 gives a number, 0 or an infinity (an overflow), never NaN.
    FUZZ_CHECK(!std::isnan(kolvenar::ConvertUnit(1.0, unit.UnitFactor)));
    FUZZ_CHECK(!std::isnan(kolvenar::ConvertUnit(1.0, -unit.UnitFactor)));
    return 0;
}
