#include "core/units.h"

#include <cmath>

#include "core/number_rules.h"

namespace kolvenar {

namespace {

struct NamedFactor {
    std::string_view name;
    double factor;
};

// Compared in this order; the first equal name wins.
constexpr std::array<NamedFactor, 13> kNamedFactors = {{
    {"Min.", kSecondsPerMinute},
    {"Std.", kSecondsPerHour},
    {"Tage", kSecondsPerDay},
    {"Jahre", kSecondsPerYear},
    {"AE", kMetresPerAstronomicalUnit},
    {"AE²", kMetresPerAstronomicalUnit},
    {"AE³", kMetresPerAstronomicalUnit},
    {"Lichtjahre", kMetresPerLightYear},
    {"Lichtjahre²", kMetresPerLightYear},
    {"Lichtjahre³", kMetresPerLightYear},
    {"Parsec", kMetresPerParsec},
    {"Parsec²", kMetresPerParsec},
    {"Parsec³", kMetresPerParsec},
}};

constexpr std::array<double, 7> kDividingFactors = {
    kSecondsPerMinute,          kSecondsPerHour,     kSecondsPerDay,  kSecondsPerYear,
    kMetresPerAstronomicalUnit, kMetresPerLightYear, kMetresPerParsec};

bool IsDividingFactor(double k) {
    for (double factor : kDividingFactors) {
        if (k == factor) {
            return true;
        }
    }
    return false;
}

}  // namespace

ParsedUnit ParseUnitLabel(std::string_view label) {
    ParsedUnit unit{"?", 0.0};
    if (label.empty()) {
        return unit;
    }
    unit.UnitName = std::string(label.substr(0, label.find(' ')));
    if (const auto plus = label.find("e+"); plus != std::string_view::npos) {
        unit.UnitFactor = LeadingNumber(label.substr(plus + 1));
    }
    if (const auto minus = label.find("e-"); minus != std::string_view::npos) {
        unit.UnitFactor = LeadingNumber(label.substr(minus + 1));
    }
    for (const auto& named : kNamedFactors) {
        if (unit.UnitName == named.name) {
            unit.UnitFactor = named.factor;
            break;
        }
    }
    return unit;
}

UnitScale MakeUnitScale(double factor) {
    if (factor == 0.0) {
        return {UnitScale::Op::Identity, 1.0};
    }
    if (IsDividingFactor(factor)) {
        return {UnitScale::Op::Divide, factor};
    }
    if (IsDividingFactor(-factor)) {
        return {UnitScale::Op::Multiply, -factor};
    }
    return {UnitScale::Op::Multiply, std::pow(10.0, -factor)};
}

std::span<const UnitEntry> MainUnits(Quantity quantity) {
    switch (quantity) {
        case Quantity::Frequency:
            return kFrequencyUnits;
        case Quantity::Wavelength:
            return kWavelengthUnits;
        case Quantity::Period:
            return kPeriodUnits;
        case Quantity::Area:
            return kAreaUnits;
        case Quantity::Volume:
            return kVolumeUnits;
    }
    return {};
}

}  // namespace kolvenar
