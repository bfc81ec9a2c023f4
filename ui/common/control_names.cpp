#include "ui/common/control_names.h"

#include <QWidget>

#include <array>
#include <span>
#include <string_view>

namespace kolvenar {

namespace {

struct ControlName {
    std::string_view control;
    std::string_view name;
};

// A group of like controls named by number: "%1" stands for the member index plus one.
struct GroupName {
    std::string_view group;
    std::string_view name;
    int members;
};

struct WindowNames {
    std::string_view window;
    std::span<const ControlName> controls;
    std::span<const GroupName> groups;
};

constexpr std::array<ControlName, 28> kMain = {{
    {"lv_Elemente", "Elementeliste"},
    {"Cb_Einheit0", "Einheit Frequenz f"},
    {"Cb_Einheit1", "Einheit Wellenlänge L"},
    {"Cb_Einheit2", "Einheit Periodendauer T"},
    {"Cb_Einheit3", "Einheit Fläche A"},
    {"Cb_Einheit4", "Einheit Volumen V"},
    {"txt_Suchen0", "Suchwert Frequenz f"},
    {"txt_Suchen1", "Suchwert Wellenlänge L"},
    {"txt_Suchen2", "Suchwert Periodendauer T"},
    {"txt_Suchen3", "Suchwert Fläche A"},
    {"txt_Suchen4", "Suchwert Volumen V"},
    {"Chk_Suchmodus", "Suchmodus"},
    {"opt_Toleranz0", "Eigene Toleranz"},
    {"opt_Toleranz1", "Toleranz 1 %"},
    {"opt_Toleranz2", "Toleranz 5 %"},
    {"opt_Toleranz3", "Toleranz 10 %"},
    {"opt_Toleranz4", "Toleranz 15 %"},
    {"opt_Toleranz5", "Toleranz 20 %"},
    {"txt_Toleranz", "Eigene Toleranz in %"},
    {"txt_Wunschfaktor0", "Wunschfaktor für f"},
    {"txt_Wunschfaktor1", "Wunschfaktor für L"},
    {"Combo_Cx", "Comptonwellenlänge auswählen"},
    {"HScroll_N0", "N von"},
    {"HScroll_N1", "N bis"},
    {"txt_N_Value0", "N von eingeben"},
    {"txt_N_Value1", "N bis eingeben"},
    {"cmd_AusgewählteInListeMarkieren", "Markierte Zeilen in die Elementeliste übernehmen"},
    {"lv_Ausgabe", "Ergebnistabelle"},
}};

constexpr std::array<ControlName, 7> kUmrechner = {{
    {"txt_Wert0", "Frequenz f"},
    {"Cb_Einheit0", "Einheit Frequenz f"},
    {"txt_Wert1", "Wellenlänge L"},
    {"Cb_Einheit1", "Einheit Wellenlänge L"},
    {"txt_WertX", "Wert X"},
    {"Cb_EinheitX0", "Vorsatz von X"},
    {"Cb_EinheitX1", "Vorsatz des Ergebnisses"},
}};

constexpr std::array<GroupName, 3> kEinstellungen = {{
    {"txt_Cx", "Kürzel %1", 5},
    {"txt_Cx_Wert", "Wert %1 in m", 5},
    {"txt_Cx_Bezeichnung", "Bezeichnung %1", 5},
}};

constexpr std::array<ControlName, 4> kInfo = {{
    {"txt_Info0", "Überschrift"},
    {"txt_Info1", "Gleichung und ihre Größen"},
    {"Links0", "Wikipedia-Artikel zum Compton-Effekt"},
    {"Links1", "Physik-Seiten des NIST"},
}};

constexpr std::array<ControlName, 2> kAuswerten = {{
    {"pic_Plot0", "Zeichenfläche der Einzelwellen"},
    {"pic_Plot1", "Zeichenfläche der Summe"},
}};

constexpr std::array<ControlName, 1> kAnleitung = {{
    {"txt_Anleitung", "Text der Anleitung"},
}};

constexpr std::array<ControlName, 4> kMehrfachsuche = {{
    {"txt_Messwerte", "Messwerte, ein Wert je Zeile"},
    {"lv_Rangliste", "Rangliste der Elemente"},
    {"Lab_Zusammenfassung", "Zusammenfassung"},
    {"lv_Zuordnung", "Zuordnung der Werte zum gewählten Element"},
}};

constexpr std::array<WindowNames, 7> kWindows = {{
    {"Fm_Main", kMain, {}},
    {"Fm_Umrechner", kUmrechner, {}},
    {"Fm_Einstellungen", {}, kEinstellungen},
    {"Fm_Info", kInfo, {}},
    {"Fm_Auswerten", kAuswerten, {}},
    {"Fm_Anleitung", kAnleitung, {}},
    {"Fm_Mehrfachsuche", kMehrfachsuche, {}},
}};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Name(QWidget& window, const QString& control, const QString& name) {
    auto* widget = window.findChild<QWidget*>(control);
    Q_ASSERT_X(widget != nullptr, "NameControls", qPrintable(control));
    if (widget != nullptr) {
        widget->setAccessibleName(name);
    }
}

}  // namespace

void NameControls(QWidget& window) {
    for (const WindowNames& names : kWindows) {
        if (window.objectName() != Text(names.window)) {
            continue;
        }
        for (const ControlName& control : names.controls) {
            Name(window, Text(control.control), Text(control.name));
        }
        for (const GroupName& group : names.groups) {
            for (int i = 0; i < group.members; ++i) {
                Name(window, Text(group.group) + QString::number(i), Text(group.name).arg(i + 1));
            }
        }
    }
}

}  // namespace kolvenar
