#include "ui/main/main_controls.h"

#include <array>

namespace kolvenar {

namespace {

// The unit lists are kept by their panel.
constexpr std::array<ListedControl, 39> kMainControls = {{
    {.name = "cmd_ElementeVisible1"},
    {.name = "cmd_ElementeVisible0"},
    {.name = "lv_Elemente", .spoken = "Elementeliste"},
    {.name = "chk_Feldauswahl0", .kept = Kept::Tick, .fallback = 1},
    {.name = "Cb_Einheit0", .spoken = "Einheit Frequenz f", .kept = Kept::ByOwner},
    {.name = "txt_Suchen0", .spoken = "Suchwert Frequenz f"},
    {.name = "chk_Feldauswahl1", .kept = Kept::Tick, .fallback = 1},
    {.name = "Cb_Einheit1", .spoken = "Einheit Wellenlänge L", .kept = Kept::ByOwner},
    {.name = "txt_Suchen1", .spoken = "Suchwert Wellenlänge L"},
    {.name = "chk_Feldauswahl2", .kept = Kept::Tick, .fallback = 1},
    {.name = "Cb_Einheit2", .spoken = "Einheit Periodendauer T", .kept = Kept::ByOwner},
    {.name = "txt_Suchen2", .spoken = "Suchwert Periodendauer T"},
    {.name = "chk_Feldauswahl3", .kept = Kept::Tick, .fallback = 1},
    {.name = "Cb_Einheit3", .spoken = "Einheit Fläche A", .kept = Kept::ByOwner},
    {.name = "txt_Suchen3", .spoken = "Suchwert Fläche A"},
    {.name = "chk_Feldauswahl4", .kept = Kept::Tick, .fallback = 1},
    {.name = "Cb_Einheit4", .spoken = "Einheit Volumen V", .kept = Kept::ByOwner},
    {.name = "txt_Suchen4", .spoken = "Suchwert Volumen V"},
    {.name = "Chk_Suchmodus", .spoken = "Suchmodus"},
    {.name = "opt_Toleranz0", .spoken = "Eigene Toleranz", .kept = Kept::Choice, .fallback = 1},
    {.name = "opt_Toleranz1", .spoken = "Toleranz 1 %"},
    {.name = "opt_Toleranz2", .spoken = "Toleranz 5 %"},
    {.name = "opt_Toleranz4", .spoken = "Toleranz 15 %"},
    {.name = "opt_Toleranz3", .spoken = "Toleranz 10 %"},
    {.name = "opt_Toleranz5", .spoken = "Toleranz 20 %"},
    {.name = "chk_Runden", .kept = Kept::Tick, .fallback = 1},
    {.name = "txt_Wunschfaktor0", .spoken = "Wunschfaktor für f"},
    {.name = "txt_Wunschfaktor1", .spoken = "Wunschfaktor für L"},
    {.name = "chk_A2", .kept = Kept::Tick, .fallback = 0},
    {.name = "chk_V2", .kept = Kept::Tick, .fallback = 0},
    {.name = "chk_V4", .kept = Kept::Tick, .fallback = 0},
    {.name = "Combo_Cx", .spoken = "Comptonwellenlänge auswählen", .kept = Kept::Index},
    {.name = "HScroll_N0", .spoken = "N von"},
    {.name = "txt_N_Value0", .spoken = "N von eingeben"},
    {.name = "HScroll_N1", .spoken = "N bis"},
    {.name = "txt_N_Value1", .spoken = "N bis eingeben"},
    {.name = "cmd_AusgewählteInListeMarkieren",
     .spoken = "Markierte Zeilen in die Elementeliste übernehmen"},
    {.name = "lv_Ausgabe", .spoken = "Ergebnistabelle"},
    // As typed, number or not.
    {.name = "txt_Toleranz",
     .spoken = "Eigene Toleranz in %",
     .kept = Kept::Text,
     .fallbackText = "0.3"},
}};

}  // namespace

ControlList MainControls() {
    return kMainControls;
}

}  // namespace kolvenar
