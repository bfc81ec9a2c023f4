#include "ui/main/units_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "settings/settings_store.h"
#include "table/table_builder.h"
#include "ui/common/stored_controls.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

// Captions and tool tips word for word (docs/design.md, "Texts with their blanks and typos").
struct QuantityRow {
    const char* caption;
    const char* searchTip;
    int checkBoxWidth;
};

constexpr std::array<QuantityRow, kQuantityCount> kQuantityRows = {{
    {"Frequenz f", "Frequenz eingeben und Enter drücken", 1455},
    {"Wellenlänge L", "Wellenlänge eingeben und Enter drücken", 1455},
    {"Periodendauer T", "Periodendauer eingeben und Enter drücken", 1575},
    {"Fläche A", "Fläche eingeben und Enter drücken", 1455},
    {"Volumen V", "Volumen eingeben und Enter drücken", 1455},
}};

struct ToleranceOption {
    int left;
    int top;
    int width;
};

// Index 0 is the own value beside txt_Toleranz; 1 to 5 the fixed ones.
constexpr std::array<ToleranceOption, UnitsPanel::kToleranceOptions> kToleranceOptionPlaces = {{
    {5160, 240, 255},
    {4440, 480, 615},
    {4440, 720, 735},
    {4440, 960, 735},
    {5160, 720, 735},
    {5160, 960, 735},
}};

constexpr int kRowTop = 240;
constexpr int kRowPitch = 360;

}  // namespace

UnitsPanel::UnitsPanel(MainState& state, QWidget* parent) : QGroupBox(parent), state_(state) {
    setObjectName(QStringLiteral("Fr_Einheiten"));
    setTitle(QStringLiteral("Einheiten"));
    setGeometry(TwipsRect(120, 0, 6135, 2055));
    CreateQuantityRows();
    CreateSearchControls();
}

void UnitsPanel::CreateQuantityRows() {
    for (int i = 0; i < kQuantityCount; ++i) {
        const QuantityRow& row = kQuantityRows[Index(i)];
        const int top = kRowTop + kRowPitch * i;

        QCheckBox* check =
            PlaceControl<QCheckBox>(this, MemberName(QStringLiteral("chk_Feldauswahl"), i), 120,
                                    top, row.checkBoxWidth, 255);
        check->setText(QString::fromUtf8(row.caption));
        check->setChecked(true);
        connect(check, &QCheckBox::toggled, this, [this] {
            if (!state_.SuppressEvents) {
                emit rebuildRequested();
            }
        });
        chk_Feldauswahl_[Index(i)] = check;

        QComboBox* units = PlaceControl<QComboBox>(
            this, MemberName(QStringLiteral("Cb_Einheit"), i), 1680, top, 1575, 315);
        for (const UnitEntry& unit : MainUnits(static_cast<Quantity>(i))) {
            units->addItem(FromUtf8(unit.label));
        }
        units->setMaxVisibleItems(units->count());
        connect(units, &QComboBox::currentIndexChanged, this, [this] {
            if (!state_.SuppressEvents) {
                emit selectionApplyRequested();
            }
        });
        cb_Einheit_[Index(i)] = units;

        QLineEdit* search = PlaceControl<QLineEdit>(
            this, MemberName(QStringLiteral("txt_Suchen"), i), 3360, top, 975, 285);
        search->setToolTip(QString::fromUtf8(row.searchTip));
        connect(search, &QLineEdit::textChanged, this, [this, i] { txt_Suchen_Change(i); });
        connect(search, &QLineEdit::returnPressed, this, [this, i] { txt_Suchen_KeyDown(i); });
        txt_Suchen_[Index(i)] = search;
    }
}

void UnitsPanel::CreateSearchControls() {
    lab_Suchen_ = PlaceControl<QLabel>(this, QStringLiteral("Lab_Suchen"), 3360, 0, 615, 255);
    lab_Suchen_->setText(QStringLiteral("Suchen"));
    lab_Suchen_->setToolTip(
        QStringLiteral("Nur ausgewählte Elemente ,  N von -900 bis 900 wird durchsucht"));

    chk_Suchmodus_ =
        PlaceControl<QCheckBox>(this, QStringLiteral("Chk_Suchmodus"), 4080, 0, 255, 244);
    chk_Suchmodus_->setToolTip(QStringLiteral("Suche ein/ausschalten"));
    connect(chk_Suchmodus_, &QCheckBox::toggled, this, [this](bool on) {
        if (!state_.SuppressEvents) {
            emit searchModeClicked(on);
        }
    });

    lab_Toleranz_ = PlaceControl<QLabel>(this, QStringLiteral("Lab_Toleranz"), 4440, 240, 615, 255);
    lab_Toleranz_->setText(QStringLiteral("Toleranz"));
    lab_Toleranz_->setToolTip(QStringLiteral("bei standard Einheit"));

    for (int i = 0; i < kToleranceOptions; ++i) {
        const ToleranceOption& place = kToleranceOptionPlaces[Index(i)];
        QRadioButton* option =
            PlaceControl<QRadioButton>(this, MemberName(QStringLiteral("opt_Toleranz"), i),
                                       place.left, place.top, place.width, 255);
        option->setText(FromUtf8(kToleranceCaptions[Index(i)]));
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) {
                opt_Toleranz_Click();
            }
        });
        opt_Toleranz_[Index(i)] = option;
    }
    // The own value is the design's choice until the stored one is restored.
    opt_Toleranz_[0]->setChecked(true);

    txt_Toleranz_ =
        PlaceControl<QLineEdit>(this, QStringLiteral("txt_Toleranz"), 5400, 240, 615, 285);
    txt_Toleranz_->setToolTip(
        QStringLiteral("Eigener Wert >0 und <=50 % eingeben und Enter drücken"));
    // Entering the own-value box chooses the own tolerance without searching.
    WatchUserFocus(*txt_Toleranz_,
                   [this] {
                       SuppressedEvents suppressed(state_.SuppressEvents);
                       opt_Toleranz_[0]->setChecked(true);
                   },
                   {});
    // Enter in the own-value box searches whether or not a search value is present.
    connect(txt_Toleranz_, &QLineEdit::returnPressed, this, &UnitsPanel::rebuildRequested);
}

bool UnitsPanel::SearchMode() const {
    return chk_Suchmodus_->isChecked();
}

const UnitEntry& UnitsPanel::Unit(int quantity) const {
    return UnitAt(MainUnits(static_cast<Quantity>(quantity)),
                  cb_Einheit_[Index(quantity)]->currentIndex());
}

bool UnitsPanel::QuantityShown(int quantity) const {
    return chk_Feldauswahl_[Index(quantity)]->isChecked();
}

double UnitsPanel::SearchValue(int quantity) const {
    return LeadingNumber(txt_Suchen_[Index(quantity)]->text().toStdString());
}

double UnitsPanel::TakeTolerance() {
    const ToleranceReading reading =
        ReadTolerance(SelectedToleranceOption(), txt_Toleranz_->text().toStdString());
    if (reading.rewrittenOwnText) {
        txt_Toleranz_->setText(FromUtf8(*reading.rewrittenOwnText));
    }
    return reading.tolerance;
}

bool UnitsPanel::OwnToleranceChosen() const {
    return SelectedToleranceOption() == 0;
}

void UnitsPanel::FocusFirstSearchBox() {
    if (txt_Suchen_[0]->isEnabled()) {
        txt_Suchen_[0]->setFocus();
    }
}

void UnitsPanel::Restore(const SettingsStore& store, const QString& section) {
    for (int i = 0; i < kQuantityCount; ++i) {
        RestoreIndex(*cb_Einheit_[Index(i)], store, section, kDefaultMainUnitIndex[Index(i)]);
    }
}

void UnitsPanel::Store(SettingsStore& store, const QString& section) const {
    for (const QComboBox* units : cb_Einheit_) {
        StoreIndex(*units, store, section);
    }
}

int UnitsPanel::SelectedToleranceOption() const {
    for (int i = 0; i < kToleranceOptions; ++i) {
        if (opt_Toleranz_[Index(i)]->isChecked()) {
            return i;
        }
    }
    return -1;
}

void UnitsPanel::SetSearchMode(bool on) {
    for (QLineEdit* box : txt_Suchen_) {
        SetInputLook(*box, on);
    }
    for (QRadioButton* option : opt_Toleranz_) {
        option->setEnabled(on);
    }
    lab_Toleranz_->setEnabled(on);
    SetInputLook(*txt_Toleranz_, on);
}

// At most one search box holds text: typing into one empties the others.
void UnitsPanel::txt_Suchen_Change(int index) {
    if (state_.SuppressEvents) {
        return;
    }
    SuppressedEvents suppressed(state_.SuppressEvents);
    for (int i = 0; i < kQuantityCount; ++i) {
        if (i != index) {
            txt_Suchen_[Index(i)]->clear();
        }
    }
}

void UnitsPanel::txt_Suchen_KeyDown(int index) {
    QLineEdit* box = txt_Suchen_[Index(index)];
    const double value = LeadingNumber(box->text().toStdString());
    if (value != 0) {
        box->setText(FromUtf8(NumText(value)));
    } else {
        box->clear();
    }
    emit rebuildRequested();
}

// A new tolerance searches again only when there is something to search for.
void UnitsPanel::opt_Toleranz_Click() {
    if (!state_.SuppressEvents && AnySearchText()) {
        emit rebuildRequested();
    }
}

bool UnitsPanel::AnySearchText() const {
    for (const QLineEdit* box : txt_Suchen_) {
        if (!box->text().isEmpty()) {
            return true;
        }
    }
    return false;
}

}  // namespace kolvenar
