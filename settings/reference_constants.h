#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kolvenar {

// One reference length Cx of the equation: a short symbol, the value in metres and a
// description.
struct CxEntry {
    std::string Cx;
    double Cx_Wert = 1.0;
    std::string Cx_Bezeichnung;
};

inline constexpr int kCxSlotCount = 5;

// The five reference lengths, index = slot.
using CxTable = std::array<CxEntry, kCxSlotCount>;

struct FactoryConstant {
    std::string_view Cx;
    double Cx_Wert;
    std::string_view Cx_Bezeichnung;
};

// What the five slots hold before the user changes them: the Compton wavelengths of electron,
// proton and neutron, the radius of Mercury's orbit and a free value.
inline constexpr std::array<FactoryConstant, kCxSlotCount> kFactoryConstants = {{
    {"Ce", 2.42611E-12, "Elektronen"},
    {"Cp", 1.3214098555E-15, "Protonen"},
    {"Cn", 1.3195909067E-15, "Neutronen"},
    {"Cx", 57910000000.0, "Merkurbahnradius"},
    {"Cx", 1.0, "Freie Eingabe"},
}};

// The value of a stored value text: its leading number, where 0 (or no number) means 1.
double ReferenceLengthFromText(std::string_view text);

// A slot from its three texts as they are stored.
CxEntry CxEntryFromTexts(std::string cx, std::string_view wert, std::string bezeichnung);

}  // namespace kolvenar
