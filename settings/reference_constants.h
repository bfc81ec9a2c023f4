#pragma once

#include <QString>

#include <array>
#include <string>
#include <string_view>

namespace kolvenar {

class SettingsStore;

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

// A slot as the settings store and the settings window hold it: three texts.
struct CxTexts {
    QString Cx;
    QString Cx_Wert;
    QString Cx_Bezeichnung;
};
using CxTextTable = std::array<CxTexts, kCxSlotCount>;

struct FactoryConstant {
    std::string_view Cx;
    double Cx_Wert;
    std::string_view Cx_Bezeichnung;
};

// What the five slots hold before the user changes them: the Compton wavelengths of electron,
// proton and neutron, the radius of Mercury's orbit and a free value (docs/design.md, "The
// factory constants"). Stored as NumText writes the values.
inline constexpr std::array<FactoryConstant, kCxSlotCount> kFactoryConstants = {{
    {"Ce", 2.42611E-12, "Elektronen"},
    {"Cp", 1.3214098555E-15, "Protonen"},
    {"Cn", 1.3195909067E-15, "Neutronen"},
    {"Cx", 57910000000.0, "Merkurbahnradius"},
    {"Cx", 1.0, "Freie Eingabe"},
}};

// The value of a stored value text: its leading number, where 0 (or no number) means 1.
double ReferenceLengthFromText(std::string_view text);

// The five slots as the main window uses them, read with its defaults for missing keys ("--",
// a length of 1, "---").
CxTable ReadReferenceConstants(const SettingsStore& store);

// The texts the settings window shows: the stored ones, the factory contents where none is.
CxTextTable ReadReferenceConstantTexts(const SettingsStore& store);

// Stores the texts without the blanks around them (only blanks), and marks the constants as
// stored; gives the slots as stored, which hold for the run even when the store cannot be
// written.
CxTable StoreReferenceConstants(SettingsStore& store, const CxTextTable& texts);

// A first start: the constants have never been stored ("Einstellungen" is not "Ja" nor any
// other text than the default "Nein").
bool ReferenceConstantsStored(const SettingsStore& store);

}  // namespace kolvenar
