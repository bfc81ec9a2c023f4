#include "multisearch/quantities.h"

#include <algorithm>
#include <string>

namespace kolvenar {

namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

// Spellings that line lists and users write for units of the lists, compared in any case.
struct UnitAlias {
    std::string_view alias;
    std::string_view name;
};

constexpr std::array<UnitAlias, 19> kUnitAliases = {{
    {"angstrom", "Å"},    {"angstroms", "Å"},  {"ångström", "Å"},    {"angström", "Å"},
    {"\u212B", "Å"},      {"micron", "µm"},    {"microns", "µm"},    {"nanometer", "nm"},
    {"nanometers", "nm"}, {"nanometre", "nm"}, {"nanometres", "nm"}, {"cm-1", "1/cm"},
    {"cm^-1", "1/cm"},    {"m-1", "1/m"},      {"m^-1", "1/m"},      {"sec", "s"},
    {"ev", "eV"},         {"joule", "J"},      {"hertz", "Hz"},
}};

// "um" for "µm", "m2" and "m^2" for "m²", "cm3" for "cm³".
std::string Spelled(std::string_view text) {
    std::string name(text);
    for (const UnitAlias& alias : kUnitAliases) {
        if (Folded(name) == Folded(alias.alias)) {
            return std::string(alias.name);
        }
    }
    if (name.size() > 1 && name[0] == 'u') {
        name = "µ" + name.substr(1);
    }
    for (const auto& [plain, power] : {std::pair{"^2", "²"}, {"^3", "³"}, {"2", "²"}, {"3", "³"}}) {
        const std::string_view suffix(plain);
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            name = name.substr(0, name.size() - suffix.size()) + power;
            break;
        }
    }
    return name;
}

std::optional<UnitChoice> FindExact(std::string_view name, bool anyCase) {
    std::optional<UnitChoice> found;
    for (const QuantityRow& row : kQuantityRows) {
        const auto units = QuantityUnits(row.quantity);
        for (std::size_t i = 0; i < units.size(); ++i) {
            const bool equal =
                anyCase ? Folded(units[i].name) == Folded(name) : units[i].name == name;
            if (!equal) {
                continue;
            }
            // In any case "mhz" is both mHz and MHz: a doubt, so no unit.
            if (found) {
                return std::nullopt;
            }
            found = UnitChoice{row.quantity, static_cast<int>(i)};
        }
    }
    return found;
}

}  // namespace

std::span<const UnitRow> QuantityUnits(MultiQuantity quantity) {
    switch (quantity) {
        case MultiQuantity::Energy:
            return kEnergyUnits;
        case MultiQuantity::Wavenumber:
            return kWavenumberUnits;
        default:
            return MainUnits(static_cast<Quantity>(quantity));
    }
}

std::optional<UnitChoice> FindUnit(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    for (const std::string& name : {std::string(text), Spelled(text)}) {
        if (const auto exact = FindExact(name, false)) {
            return exact;
        }
    }
    if (const auto anyCase = FindExact(text, true)) {
        return anyCase;
    }
    return FindExact(Spelled(text), true);
}

std::optional<MultiQuantity> FindQuantity(std::string_view text) {
    const std::string folded = Folded(text);
    for (const QuantityRow& row : kQuantityRows) {
        if (folded == Folded(row.symbol) || folded == Folded(row.name) ||
            folded == Folded(row.plainName)) {
            return row.quantity;
        }
    }
    return std::nullopt;
}

}  // namespace kolvenar
