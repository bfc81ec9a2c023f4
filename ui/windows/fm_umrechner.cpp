#include "ui/windows/fm_umrechner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <cmath>
#include <span>
#include <string_view>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "core/resonance.h"
#include "core/units.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "ui/common/control_list.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/stored_controls.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

const QString kValueTip = QStringLiteral("Wert eingeben und Enter drücken");

constexpr int kClientWidthTwips = 4680;
constexpr int kClientHeightTwips = 2475;
constexpr int kLabelHeightTwips = 255;
constexpr int kBoxLeftTwips = 1320;
constexpr int kBoxWidthTwips = 1575;
constexpr int kBoxHeightTwips = 285;
constexpr int kListLeftTwips = 3000;
constexpr int kListWidthTwips = 1575;
constexpr int kListHeightTwips = 315;
// Places the prefix converter rounds its result to; smaller results show as "?".
constexpr int kPrefixPlaces = 18;

// A caption of the window; `index` is the member index within its group, -1 for none.
struct CaptionLabel {
    const char* group;
    int index;
    const char* caption;
    int left;
    int top;
    int width;
    bool bold;
};

constexpr std::array<CaptionLabel, 7> kLabels = {{
    {"Lab_Info", -1, "f = c / L    <-->    L = c / f", 120, 120, 2415, true},
    {"Lab_Bezeichnung", 0, "Frequenz", 120, 480, 855, false},
    {"Lab_Bezeichnung2", 0, "f", 1080, 480, 255, true},
    {"Lab_Bezeichnung", 1, "Wellenlänge", 120, 840, 975, false},
    {"Lab_Bezeichnung2", 1, "L", 1080, 840, 255, true},
    {"Lab_Bezeichnung", 2, "Wert", 120, 1680, 855, false},
    {"Lab_Bezeichnung2", 2, "X", 1080, 1680, 255, true},
}};

// The frequency row (0) and the wavelength row (1).
struct ValueRow {
    int top;
    std::span<const UnitEntry> units;
    int defaultUnit;
};

constexpr std::array<ValueRow, 2> kValueRows = {{
    {480, kConverterFrequencyUnits, 2},
    {840, kConverterWavelengthUnits, 3},
}};

// Tops of the two prefix lists: the prefix of X, and that of the result.
constexpr std::array<int, 2> kPrefixListTops = {1680, 2040};

// The unit lists are kept by the window itself.
constexpr std::array<ListedControl, 8> kControls = {{
    {.name = "txt_Wert0", .spoken = "Frequenz f"},
    {.name = "Cb_Einheit0", .spoken = "Einheit Frequenz f", .kept = Kept::ByOwner},
    {.name = "txt_Wert1", .spoken = "Wellenlänge L"},
    {.name = "Cb_Einheit1", .spoken = "Einheit Wellenlänge L", .kept = Kept::ByOwner},
    {.name = "chk_Runden", .kept = Kept::Tick, .fallback = 1},
    {.name = "txt_WertX", .spoken = "Wert X"},
    {.name = "Cb_EinheitX0", .spoken = "Vorsatz von X", .kept = Kept::Index, .fallback = 8},
    {.name = "Cb_EinheitX1",
     .spoken = "Vorsatz des Ergebnisses",
     .kept = Kept::Index,
     .fallback = 8},
}};

QString ControlName(const CaptionLabel& item) {
    const QString group = QString::fromLatin1(item.group);
    return item.index < 0 ? group : MemberName(group, item.index);
}

QLineEdit* ValueBox(QWidget* parent, const QString& name, int top) {
    auto* box =
        PlaceControl<QLineEdit>(parent, name, kBoxLeftTwips, top, kBoxWidthTwips, kBoxHeightTwips);
    box->setFont(DialogFont(true));
    box->setToolTip(kValueTip);
    return box;
}

QComboBox* UnitList(QWidget* parent, const QString& name, int top,
                    std::span<const UnitEntry> units) {
    auto* list = PlaceControl<QComboBox>(parent, name, kListLeftTwips, top, kListWidthTwips,
                                         kListHeightTwips);
    for (const UnitEntry& unit : units) {
        list->addItem(FromUtf8(unit.label));
    }
    // The whole list in view: some styles scroll after ten entries.
    list->setMaxVisibleItems(list->count());
    return list;
}

// The power of ten of the chosen entry ("kHz Kilo e+3" gives 3, "Hz" 0).
double Exponent(std::span<const UnitEntry> units, const QComboBox* list) {
    return UnitAt(units, list->currentIndex()).factor;
}

double Reading(const QLineEdit* box) {
    return LeadingNumber(box->text().toStdString());
}

QString Text(double x) {
    return FromUtf8(NumText(x));
}

// Writes a number with the caret before it, so that a box too narrow for it shows its start.
void ShowNumber(QLineEdit* box, double x) {
    box->setText(Text(x));
    box->setCursorPosition(0);
}

// c / v scaled by 10^(-exponentSum), with c scaled first. Dividing first, as the converter
// does, can leave the double range on the way to a result that lies within it; this order
// overflows only when the result itself does.
double LightOverScaled(double v, double exponentSum) {
    return ConvertUnit(kSpeedOfLight, exponentSum) / v;
}

}  // namespace

Fm_Umrechner::Fm_Umrechner(Desktop& desktop, QWidget* parent)
    : SideWindow(sections::kConverter, QStringLiteral(" Umrechner"), WindowBorder::Fixed, parent),
      desktop_(desktop) {
    setFixedSize(TwipsRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());
    CreateControls();
    ConnectControls();
    Load();
}

void Fm_Umrechner::CreateControls() {
    // Labels first: the result label reaches under the list beside it and must stay below it.
    for (const CaptionLabel& item : kLabels) {
        auto* label = PlaceControl<QLabel>(this, ControlName(item), item.left, item.top, item.width,
                                           kLabelHeightTwips);
        label->setTextFormat(Qt::PlainText);
        label->setText(FromUtf8(item.caption));
        if (item.bold) {
            label->setFont(DialogFont(true));
        }
    }
    lab_WertXGleich_ = PlaceControl<QLabel>(this, QStringLiteral("Lab_WertXGleich"), kBoxLeftTwips,
                                            2040, 2535, kLabelHeightTwips);
    lab_WertXGleich_->setTextFormat(Qt::PlainText);
    lab_WertXGleich_->setFont(DialogFont(true));

    auto* line = PlaceControl<QFrame>(this, MemberName(QStringLiteral("Line1"), 1), 120, 1560, 4440,
                                      kTwipsPerPixel);
    QPalette shadow = line->palette();
    shadow.setColor(QPalette::Window, shadow.color(QPalette::Active, QPalette::Dark));
    line->setPalette(shadow);
    line->setAutoFillBackground(true);

    for (int i = 0; i < 2; ++i) {
        const ValueRow& row = kValueRows[i];
        txt_Wert_[i] = ValueBox(this, MemberName(QStringLiteral("txt_Wert"), i), row.top);
        cb_Einheit_[i] =
            UnitList(this, MemberName(QStringLiteral("Cb_Einheit"), i), row.top, row.units);
    }

    chk_Runden_ =
        PlaceControl<QCheckBox>(this, QStringLiteral("chk_Runden"), 1320, 1200, 1695, 255);
    chk_Runden_->setText(QStringLiteral("Ausgabe Runden"));
    chk_Runden_->setToolTip(QStringLiteral("(auf 4 Stellen nach dem Komma)"));
    chk_Runden_->setChecked(true);

    txt_WertX_ = ValueBox(this, QStringLiteral("txt_WertX"), kPrefixListTops[0]);
    for (int i = 0; i < 2; ++i) {
        cb_EinheitX_[i] = UnitList(this, MemberName(QStringLiteral("Cb_EinheitX"), i),
                                   kPrefixListTops[i], kPrefixes);
    }
    SetUpControls(*this, kControls);
}

// Connected only once the lists are filled, so that filling them runs no handler.
void Fm_Umrechner::ConnectControls() {
    for (int i = 0; i < 2; ++i) {
        connect(txt_Wert_[i], &QLineEdit::returnPressed, this, [this, i] { txt_Wert_KeyEnter(i); });
        connect(txt_Wert_[i], &QLineEdit::textChanged, this, [this, i] { txt_Wert_Change(i); });
        connect(cb_Einheit_[i], &QComboBox::currentIndexChanged, this,
                [this, i] { Cb_Einheit_Click(i); });
        connect(cb_EinheitX_[i], &QComboBox::currentIndexChanged, this,
                &Fm_Umrechner::Cb_EinheitX_Click);
    }
    connect(chk_Runden_, &QCheckBox::toggled, this, &Fm_Umrechner::chk_Runden_Click);
    connect(txt_WertX_, &QLineEdit::returnPressed, this, &Fm_Umrechner::ConvertPrefix);
    connect(txt_WertX_, &QLineEdit::textChanged, this, &Fm_Umrechner::txt_WertX_Change);
}

void Fm_Umrechner::Load() {
    SettingsStore store;
    RestorePlacement(store);
    {
        SuppressedEvents quiet(suppressEvents_);
        txt_Wert_[0]->setText(QStringLiteral("1"));
        txt_Wert_[1]->clear();
        txt_WertX_->setText(QStringLiteral("1"));
        lab_WertXGleich_->clear();

        const QString section = objectName();
        for (int i = 0; i < 2; ++i) {
            RestoreIndex(*cb_Einheit_[i], store, section, kValueRows[i].defaultUnit);
        }
        RestoreControls(*this, kControls, store, section);
    }
    lastSource_ = 0;
    ConvertFrequencyWavelength(0);
    ConvertPrefix();
}

void Fm_Umrechner::StoreOwnSettings(SettingsStore& store) {
    const QString section = objectName();
    for (const QComboBox* list : cb_Einheit_) {
        StoreIndex(*list, store, section);
    }
    StoreControls(*this, kControls, store, section);
}

void Fm_Umrechner::ShowMessage(const QString& text) {
    desktop_.ShowMessage(this, QStringLiteral(" Meldung"), text, MessageIcon::Information,
                         MessageButtons::Ok, MessageAnswer::Ok);
}

void Fm_Umrechner::ConvertFrequencyWavelength(int source) {
    const double ef = Exponent(kValueRows[0].units, cb_Einheit_[0]);
    const double eL = Exponent(kValueRows[1].units, cb_Einheit_[1]);
    double f = Reading(txt_Wert_[0]);
    double L = Reading(txt_Wert_[1]);
    // The other box is emptied without suppression on purpose: its change handler then
    // empties the source box too, unless the caller already suppresses events.
    if (L == 0.0 && source == 1) {
        txt_Wert_[0]->clear();
        ShowMessage(QStringLiteral("Bitte bei L einen Wert <> 0 eingeben !"));
        return;
    }
    if (f == 0.0 && source == 0) {
        txt_Wert_[1]->clear();
        ShowMessage(QStringLiteral("Bitte bei f einen Wert <> 0 eingeben !"));
        return;
    }
    const bool rounding = chk_Runden_->checkState() != Qt::Unchecked;
    if (source == 1) {
        double t = FrequencyFromWavelength(L);
        t = ConvertUnit(t, ef);
        t = ConvertUnit(t, eL);
        if (!std::isfinite(t)) {
            t = LightOverScaled(L, ef + eL);
        }
        f = RoundForDisplay(t, rounding);
    } else {
        double t = WavelengthFromFrequency(f);
        t = ConvertUnit(t, eL);
        t = ConvertUnit(t, ef);
        if (!std::isfinite(t)) {
            t = LightOverScaled(f, eL + ef);
        }
        L = RoundForDisplay(t, rounding);
    }
    // A result beyond the double range stays infinite and is written as "Überlauf".
    SuppressedEvents quiet(suppressEvents_);
    ShowNumber(txt_Wert_[0], f);
    ShowNumber(txt_Wert_[1], L);
}

void Fm_Umrechner::ConvertPrefix() {
    const double eA = Exponent(kPrefixes, cb_EinheitX_[0]);
    const double eB = Exponent(kPrefixes, cb_EinheitX_[1]);
    const double x = Reading(txt_WertX_);
    SuppressedEvents quiet(suppressEvents_);
    ShowNumber(txt_WertX_, x);
    double r = ConvertUnit(ConvertUnit(x, -eA), eB);
    if (!std::isfinite(r)) {
        // Only the first step overflowed when one step suffices: 1E300 Tera in Giga.
        r = ConvertUnit(x, eB - eA);
    }
    r = RoundToPlaces(r, kPrefixPlaces);
    lab_WertXGleich_->setText(r == 0.0 ? QStringLiteral("?") : Text(r));
}

void Fm_Umrechner::txt_Wert_KeyEnter(int index) {
    lastSource_ = index;
    ConvertFrequencyWavelength(index);
}

void Fm_Umrechner::txt_Wert_Change(int index) {
    if (suppressEvents_) {
        return;
    }
    SuppressedEvents quiet(suppressEvents_);
    txt_Wert_[1 - index]->clear();
}

// A new frequency unit recomputes f from L and a new wavelength unit L from f.
void Fm_Umrechner::Cb_Einheit_Click(int index) {
    if (!suppressEvents_) {
        ConvertFrequencyWavelength(1 - index);
    }
}

void Fm_Umrechner::chk_Runden_Click() {
    if (suppressEvents_) {
        return;
    }
    SuppressedEvents quiet(suppressEvents_);
    ConvertFrequencyWavelength(lastSource_);
}

void Fm_Umrechner::txt_WertX_Change() {
    if (!suppressEvents_) {
        lab_WertXGleich_->clear();
    }
}

void Fm_Umrechner::Cb_EinheitX_Click() {
    if (!suppressEvents_) {
        ConvertPrefix();
    }
}

}  // namespace kolvenar
