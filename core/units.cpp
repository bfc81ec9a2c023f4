#include "core/units.h"

#include <cmath>

namespace kolvenar {

namespace {

// Every stored number once in its list, so that a stored choice names one row.
constexpr bool StoredNumbersDistinct(std::span<const UnitRow> list) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (list[i].stored == list[j].stored) {
                return false;
            }
        }
        if (list[i].stored < 0) {
            return false;
        }
    }
    return true;
}

constexpr bool PowersOfTen(std::span<const UnitRow> list) {
    for (const UnitRow& row : list) {
        if (row.scale.rule != UnitScale::Rule::PowerOfTen) {
            return false;
        }
    }
    return true;
}

static_assert(StoredNumbersDistinct(kFrequencyUnits) && StoredNumbersDistinct(kWavelengthUnits) &&
              StoredNumbersDistinct(kPeriodUnits) && StoredNumbersDistinct(kAreaUnits) &&
              StoredNumbersDistinct(kVolumeUnits) &&
              StoredNumbersDistinct(kConverterWavelengthUnits) &&
              StoredNumbersDistinct(kPrefixes) && StoredNumbersDistinct(kEnergyUnits) &&
              StoredNumbersDistinct(kWavenumberUnits));
static_assert(PowersOfTen(kConverterFrequencyUnits) && PowersOfTen(kConverterWavelengthUnits) &&
              PowersOfTen(kPrefixes));

}  // namespace

UnitConversion ToUnit(const UnitScale& scale) {
    switch (scale.rule) {
        case UnitScale::Rule::DivideBy:
            return {UnitConversion::Op::Divide, scale.factor};
        case UnitScale::Rule::MultiplyBy:
            return {UnitConversion::Op::Multiply, scale.factor};
        case UnitScale::Rule::PowerOfTen:
            break;
    }
    if (scale.exponent == 0) {
        return {};
    }
    return {UnitConversion::Op::Multiply, std::pow(10.0, static_cast<double>(-scale.exponent))};
}

UnitConversion ToBase(const UnitScale& scale) {
    switch (scale.rule) {
        case UnitScale::Rule::DivideBy:
            return {UnitConversion::Op::Multiply, scale.factor};
        case UnitScale::Rule::MultiplyBy:
            return {UnitConversion::Op::Divide, scale.factor};
        case UnitScale::Rule::PowerOfTen:
            break;
    }
    return ToUnit(PowerOfTen(-scale.exponent));
}

int PlaceOfStored(std::span<const UnitRow> list, int stored) {
    for (std::size_t place = 0; place < list.size(); ++place) {
        if (list[place].stored == stored) {
            return static_cast<int>(place);
        }
    }
    return -1;
}

std::span<const UnitRow> MainUnits(Quantity quantity) {
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
