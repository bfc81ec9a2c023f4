#include "table/columns.h"

#include <array>

#include "core/number_text.h"

namespace kolvenar {

namespace {

const UnitEntry& Unit(const TableRequest& request, Quantity quantity) {
    return request.units[static_cast<std::size_t>(quantity)];
}

bool Shown(const TableRequest& request, Quantity quantity) {
    return request.quantityShown[static_cast<std::size_t>(quantity)];
}

// Everything about one quantity column: its title, the quantity whose unit it is shown in, the
// computed value and the flag that turns it into "Überlauf".
struct ColumnKind {
    const char* title;
    // The wished factor written into the title ("f * 2 in Hz"), if any.
    double TableRequest::*factor;
    Quantity quantity;
    const double ResonanceValues::*value;
    const bool ResonanceValues::*overflow;
};

using RV = ResonanceValues;

// Indexed by ColumnSource, the quantities only.
constexpr std::array<ColumnKind, 10> kColumnKinds = {{
    {"f", nullptr, Quantity::Frequency, &RV::f, &RV::fOverflow},
    {"f", &TableRequest::wunschfaktorF, Quantity::Frequency, &RV::fFactor, &RV::fFactorOverflow},
    {"L", nullptr, Quantity::Wavelength, &RV::L, &RV::LOverflow},
    {"L", &TableRequest::wunschfaktorL, Quantity::Wavelength, &RV::LFactor, &RV::LFactorOverflow},
    {"T", nullptr, Quantity::Period, &RV::T, &RV::TOverflow},
    {"A", nullptr, Quantity::Area, &RV::A, &RV::AOverflow},
    {"A / 2", nullptr, Quantity::Area, &RV::AHalf, &RV::AOverflow},
    {"V", nullptr, Quantity::Volume, &RV::V, &RV::VOverflow},
    {"V / 2", nullptr, Quantity::Volume, &RV::VHalf, &RV::VOverflow},
    {"V / 4", nullptr, Quantity::Volume, &RV::VQuarter, &RV::VOverflow},
}};

const ColumnKind& KindOf(ColumnSource source) {
    return kColumnKinds[static_cast<std::size_t>(source)];
}

}  // namespace

std::vector<ColumnSource> ChooseColumns(const TableRequest& request) {
    std::vector<ColumnSource> columns;
    const auto addIf = [&](bool present, ColumnSource source) {
        if (present) {
            columns.push_back(source);
        }
    };
    addIf(Shown(request, Quantity::Frequency), ColumnSource::f);
    addIf(request.wunschfaktorF != 0, ColumnSource::fFactor);
    addIf(Shown(request, Quantity::Wavelength), ColumnSource::L);
    addIf(request.wunschfaktorL != 0, ColumnSource::LFactor);
    addIf(Shown(request, Quantity::Period), ColumnSource::T);
    addIf(Shown(request, Quantity::Area), ColumnSource::A);
    addIf(request.showAHalf, ColumnSource::AHalf);
    addIf(Shown(request, Quantity::Volume), ColumnSource::V);
    addIf(request.showVHalf, ColumnSource::VHalf);
    addIf(request.showVQuarter, ColumnSource::VQuarter);
    const bool deviation = request.searchMode && request.showDeviation;
    addIf(deviation, ColumnSource::Hit);
    addIf(deviation, ColumnSource::Deviation);
    return columns;
}

std::string QuantityTitle(const TableRequest& request, ColumnSource source,
                          std::string_view decimalSeparator) {
    const ColumnKind& kind = KindOf(source);
    std::string title = kind.title;
    if (kind.factor != nullptr) {
        title += " * " + TableNumberText(request.*kind.factor, decimalSeparator);
    }
    return title;
}

std::vector<std::string> ColumnHeaders(const TableRequest& request,
                                       const std::vector<ColumnSource>& columns,
                                       std::string_view decimalSeparator) {
    std::vector<std::string> headers = {"", "Element", "Z", "N"};
    for (ColumnSource source : columns) {
        if (source == ColumnSource::Hit) {
            headers.emplace_back("Treffer");
        } else if (source == ColumnSource::Deviation) {
            headers.emplace_back("Abweichung in %");
        } else {
            headers.push_back(QuantityTitle(request, source, decimalSeparator) + " in " +
                              std::string(Unit(request, KindOf(source).quantity).name));
        }
    }
    return headers;
}

CellRule::CellRule(const TableRequest& request, ColumnSource source)
    : value_(KindOf(source).value),
      overflow_(KindOf(source).overflow),
      toUnit_(MakeUnitScale(Unit(request, KindOf(source).quantity).factor)) {}

}  // namespace kolvenar
