#include "table/columns.h"

#include <limits>

#include "core/number_text.h"

namespace kolvenar {

std::vector<const ColumnKind*> ChooseColumns(const TableRequest& request,
                                             std::span<const ColumnKind> kinds) {
    std::vector<const ColumnKind*> columns;
    for (const ColumnKind& kind : kinds) {
        if (kind.shown(request)) {
            columns.push_back(&kind);
        }
    }
    return columns;
}

const UnitRow& ColumnUnitOf(const TableRequest& request, const ColumnKind& kind) {
    switch (kind.unit.from) {
        case ColumnUnit::From::QuantityList:
            return request.units[static_cast<std::size_t>(kind.unit.quantity)];
        case ColumnUnit::From::Own:
            return kind.unit.own;
        case ColumnUnit::From::None:
            break;
    }
    return kNoUnit;
}

std::string QuantityTitle(const TableRequest& request, const ColumnKind& kind,
                          std::string_view decimalSeparator) {
    std::string title(kind.title);
    if (kind.titleFactor != nullptr) {
        title += " * " + TableNumberText(request.*kind.titleFactor, decimalSeparator);
    }
    return title;
}

std::vector<std::string> ColumnHeaders(const TableRequest& request,
                                       const std::vector<const ColumnKind*>& columns,
                                       std::string_view decimalSeparator) {
    std::vector<std::string> headers;
    for (const ColumnKind* kind : columns) {
        std::string title = QuantityTitle(request, *kind, decimalSeparator);
        if (kind->unit.from != ColumnUnit::From::None) {
            title += " in " + std::string(ColumnUnitOf(request, *kind).name);
        }
        headers.push_back(std::move(title));
    }
    return headers;
}

CellRule::CellRule(const TableRequest& request, const ColumnKind& kind)
    : value_(kind.value),
      overflow_(kind.overflow),
      toUnit_(ToUnit(ColumnUnitOf(request, kind).scale)) {}

void CellRule::Values(std::span<const ResonanceValues> sets, bool rounding, double* out,
                      std::size_t stride) const {
    // Copies the compiler knows no write to `out` changes.
    const double operand = toUnit_.operand;
    const auto value = value_;
    const auto overflow = overflow_;
    const auto each = [&](auto convert) {
        for (const ResonanceValues& values : sets) {
            *out =
                values.*overflow ? std::numeric_limits<double>::infinity() : convert(values.*value);
            out += stride;
        }
    };
    const auto write = [&](auto round) {
        switch (toUnit_.op) {
            case UnitConversion::Op::Divide:
                each([&](double x) { return round(x / operand); });
                break;
            case UnitConversion::Op::Multiply:
                each([&](double x) { return round(x * operand); });
                break;
            case UnitConversion::Op::Identity:
                each([&](double x) { return round(x); });
                break;
        }
    };
    if (rounding) {
        write([](double x) { return RoundForDisplay(x, true); });
    } else {
        write([](double x) { return x; });
    }
}

}  // namespace kolvenar
