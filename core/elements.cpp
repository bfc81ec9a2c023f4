#include "core/elements.h"

#include <array>

namespace kolvenar {

namespace {

// Index 0 is unused so that the index equals Z.
constexpr std::array<std::string_view, kElementCount + 1> kNames = {
    "",
    "Wasserstoff",     // 1
    "Helium",          // 2
    "Lithium",         // 3
    "Beryllium",       // 4
    "Bor",             // 5
    "Kohlenstoff",     // 6
    "Stickstoff",      // 7
    "Sauerstoff",      // 8
    "Fluor",           // 9
    "Neon",            // 10
    "Natrium",         // 11
    "Magnesium",       // 12
    "Aluminium",       // 13
    "Silicium",        // 14
    "Phosphor",        // 15
    "Schwefel",        // 16
    "Chlor",           // 17
    "Argon",           // 18
    "Kalium",          // 19
    "Calcium",         // 20
    "Scandium",        // 21
    "Titan",           // 22
    "Vanadium",        // 23
    "Chrom",           // 24
    "Mangan",          // 25
    "Eisen",           // 26
    "Cobalt",          // 27
    "Nickel",          // 28
    "Kupfer",          // 29
    "Zink",            // 30
    "Gallium",         // 31
    "Germanium",       // 32
    "Arsen",           // 33
    "Selen",           // 34
    "Brom",            // 35
    "Krypton",         // 36
    "Rubidium",        // 37
    "Strontium",       // 38
    "Yttrium",         // 39
    "Zirconium",       // 40
    "Niobium",         // 41
    "Molybdän",        // 42
    "Technetium",      // 43
    "Ruthenium",       // 44
    "Rhodium",         // 45
    "Palladium",       // 46
    "Silber",          // 47
    "Cadmium",         // 48
    "Indium",          // 49
    "Zinn",            // 50
    "Antimon",         // 51
    "Tellur",          // 52
    "Iod",             // 53
    "Xenon",           // 54
    "Cäsium",          // 55
    "Barium",          // 56
    "Lanthan",         // 57
    "Cer",             // 58
    "Praseodym",       // 59
    "Neodym",          // 60
    "Promethium",      // 61
    "Samarium",        // 62
    "Europium",        // 63
    "Gadolinium",      // 64
    "Terbium",         // 65
    "Dysprosium",      // 66
    "Holmium",         // 67
    "Erbium",          // 68
    "Thulium",         // 69
    "Ytterbium",       // 70
    "Lutetium",        // 71
    "Hafnium",         // 72
    "Tantal",          // 73
    "Wolfram",         // 74
    "Rhenium",         // 75
    "Osmium",          // 76
    "Iridium",         // 77
    "Platin",          // 78
    "Gold",            // 79
    "Quecksilber",     // 80
    "Thallium",        // 81
    "Blei",            // 82
    "Bismut",          // 83
    "Polonium",        // 84
    "Astat",           // 85
    "Radon",           // 86
    "Francium",        // 87
    "Radium",          // 88
    "Actinium",        // 89
    "Thorium",         // 90
    "Protactinium",    // 91
    "Uran",            // 92
    "Neptunium",       // 93
    "Plutonium",       // 94
    "Americium*",      // 95
    "Curium*",         // 96
    "Berkelium*",      // 97
    "Californium*",    // 98
    "Einsteinium*",    // 99
    "Fermium*",        // 100
    "Mendelevium*",    // 101
    "Nobelium*",       // 102
    "Lawrencium*",     // 103
    "Rutherfordium*",  // 104
    "Dubnium*",        // 105
    "Saeborgium*",     // 106
    "Bohrium*",        // 107
    "Hassium*",        // 108
    "Meitnerium*",     // 109
    "Ununilium*",      // 110
    "Unununium*",      // 111
    "Ununbium*",       // 112
    "Ununtrium",       // 113
    "Ununquadium*",    // 114
    "Ununpentium",     // 115
    "Ununhexium*",     // 116
    "Ununseptium",     // 117
    "Ununoctium*",     // 118
};

}  // namespace

std::string_view ElementName(int z) {
    if (z < 1 || z > kElementCount) {
        return {};
    }
    return kNames[static_cast<std::size_t>(z)];
}

}  // namespace kolvenar
