// Start-up and close handling of the main window: what it reads from and writes to the
// settings store.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "core/number_text.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/main/element_selection.h"
#include "ui/main/fm_main.h"
#include "ui/main/n_range_panel.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/units_panel.h"
#include "settings/reference_constants.h"
#include "ui/windows/fm_einstellungen.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

const QString kSection = QStringLiteral("Fm_Main");
const QString kElementSection = QStringLiteral("ElementVisible");
// Keys of what the program remembers besides its controls.
const QString kSaveAsFolderKey = QStringLiteral("SpeichernUnterOrdner");
const QString kNoRowQuestionKey = QStringLiteral("ZeilenfrageNichtMehrFragen");
constexpr int kStartN = 33;

QString ElementKey(int z) {
    return MemberName(QStringLiteral("Z"), z);
}

// A stored check box value: 0 or 1, anything else gives the default.
bool ReadChecked(const SettingsStore& store, const QString& key, bool defaultValue) {
    return store.ReadInt(kSection, key, defaultValue ? 1 : 0, 0, 1) == 1;
}

QString CheckedText(const QCheckBox* box) {
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

void Fm_Main::Load() {
    {
        SettingsStore store;
        RestoreWindowPlacement(*this, WindowBorder::Resizable, store);
    }
    LoadReferenceConstants();
    {
        SuppressedEvents suppressed(state_);
        RestoreControls();
        nRange_->HScroll_N(1)->setValue(kStartN);
    }
    outputOptions_->ShowResultLabelsOnButtonFace();
    SetSearchMode(false);
    setWindowTitle(WindowCaption());
    // Moving "N von" runs the bar's change handling, which builds the first table.
    nRange_->HScroll_N(0)->setValue(kStartN);
}

void Fm_Main::LoadReferenceConstants() {
    SettingsStore store;
    if (ReferenceConstantsStored(store)) {
        InitCx(ReadReferenceConstants(store));
        return;
    }
    // First start: each slot keeps a text already stored, else gets the factory contents.
    const CxTable constants = StoreReferenceConstants(store, ReadReferenceConstantTexts(store));
    // The settings window once stored these at a first start, loaded unseen, and wrote its
    // placement as it was unloaded; the keys stay as they were.
    StoreUnshownPlacement(store, Fm_Einstellungen::Name(), Fm_Einstellungen::DesignSize());
    if (!store.Sync()) {
        ReportSettingsNotWritten(store.FileName());
    }
    InitCx(constants);
}

void Fm_Main::InitCx() {
    InitCx(ReadReferenceConstants(SettingsStore()));
}

void Fm_Main::InitCx(const CxTable& constants) {
    state_.CxList = constants;
    QStringList items;
    for (const CxEntry& entry : constants) {
        items.append(FromUtf8(entry.Cx) + QLatin1Char(' ') + FromUtf8(entry.Cx_Bezeichnung));
    }
    {
        SuppressedEvents suppressed(state_);
        combo_Cx_->clear();
        combo_Cx_->addItems(items);
        combo_Cx_->setCurrentIndex(0);
    }
    // Selecting the first entry is a change of the reference length like any other.
    Combo_Cx_Change();
}

std::pair<QString, double> Fm_Main::GetCurrentCx() const {
    const int index = std::clamp(combo_Cx_->currentIndex(), 0, kCxSlotCount - 1);
    const CxEntry& entry = state_.CxList[static_cast<std::size_t>(index)];
    return {FromUtf8(entry.Cx) + QLatin1Char('=') + FromUtf8(NumText(entry.Cx_Wert)) +
                QStringLiteral(" m"),
            entry.Cx_Wert};
}

void Fm_Main::RestoreControls() {
    SettingsStore store;
    for (int z = 1; z <= kElementCount; ++z) {
        ElementEntry& element = state_.Elements[static_cast<std::size_t>(z)];
        element.Name = std::string(ElementName(z));
        element.Visible = store.ReadInt(kElementSection, ElementKey(z), 1, INT_MIN, INT_MAX) != 0;
    }
    elements_->Fill();

    for (int i = 0; i < kQuantityCount; ++i) {
        QComboBox* units = units_->Cb_Einheit(i);
        units->setCurrentIndex(store.ReadInt(kSection, MemberName(QStringLiteral("Cb_Einheit"), i),
                                             kDefaultMainUnitIndex[static_cast<std::size_t>(i)], 0,
                                             units->count() - 1));
    }
    units_
        ->opt_Toleranz(store.ReadInt(kSection, QStringLiteral("opt_Toleranz"), 1, 0,
                                     UnitsPanel::kToleranceOptions - 1))
        ->setChecked(true);
    units_->txt_Toleranz()->setText(
        store.Read(kSection, QStringLiteral("txt_Toleranz"), QStringLiteral("0.3")));
    combo_Cx_->setCurrentIndex(
        store.ReadInt(kSection, QStringLiteral("Combo_Cx"), 0, 0, combo_Cx_->count() - 1));
    outputOptions_->chk_Runden()->setChecked(
        ReadChecked(store, QStringLiteral("chk_Runden"), true));
    for (int i = 0; i < kQuantityCount; ++i) {
        units_->chk_Feldauswahl(i)->setChecked(
            ReadChecked(store, MemberName(QStringLiteral("chk_Feldauswahl"), i), true));
    }
    outputOptions_->chk_A2()->setChecked(ReadChecked(store, QStringLiteral("chk_A2"), false));
    outputOptions_->chk_V2()->setChecked(ReadChecked(store, QStringLiteral("chk_V2"), false));
    outputOptions_->chk_V4()->setChecked(ReadChecked(store, QStringLiteral("chk_V4"), false));
    saveAsFolder_ = store.Read(kSection, kSaveAsFolderKey, QString());
    askBeforeLargeTables_ = !ReadChecked(store, kNoRowQuestionKey, false);
}

void Fm_Main::StoreControls() {
    SettingsStore store;
    SaveWindowPlacement(*this, WindowBorder::Resizable, store);
    for (int i = 0; i < kQuantityCount; ++i) {
        store.WriteInt(kSection, MemberName(QStringLiteral("Cb_Einheit"), i),
                       units_->Cb_Einheit(i)->currentIndex());
    }
    store.Write(kSection, QStringLiteral("chk_Runden"), CheckedText(outputOptions_->chk_Runden()));
    store.Write(kSection, QStringLiteral("chk_A2"), CheckedText(outputOptions_->chk_A2()));
    store.Write(kSection, QStringLiteral("chk_V2"), CheckedText(outputOptions_->chk_V2()));
    store.Write(kSection, QStringLiteral("chk_V4"), CheckedText(outputOptions_->chk_V4()));
    if (const int option = units_->SelectedToleranceOption(); option >= 0) {
        store.WriteInt(kSection, QStringLiteral("opt_Toleranz"), option);
    }
    store.Write(kSection, QStringLiteral("txt_Toleranz"), units_->txt_Toleranz()->text());
    for (int i = 0; i < kQuantityCount; ++i) {
        store.Write(kSection, MemberName(QStringLiteral("chk_Feldauswahl"), i),
                    CheckedText(units_->chk_Feldauswahl(i)));
    }
    store.WriteInt(kSection, QStringLiteral("Combo_Cx"), combo_Cx_->currentIndex());
    if (!saveAsFolder_.isEmpty()) {
        store.Write(kSection, kSaveAsFolderKey, saveAsFolder_);
    }
    store.Write(kSection, kNoRowQuestionKey,
                askBeforeLargeTables_ ? QStringLiteral("0") : QStringLiteral("1"));
    QTreeWidget* list = elements_->lv_Elemente();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        store.Write(kElementSection, ElementKey(row->data(0, Qt::UserRole).toInt()),
                    row->checkState(0) == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
    }
    if (!store.Sync()) {
        ReportSettingsNotWritten(store.FileName());
    }
}

}  // namespace kolvenar
