// Start-up and close handling of the main window: what it reads from and writes to the
// settings store.
#include <QComboBox>

#include "core/number_text.h"
#include "settings/reference_constants.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/common/oversized_settings_notice.h"
#include "ui/common/stored_controls.h"
#include "ui/common/window_support.h"
#include "ui/main/element_selection.h"
#include "ui/main/fm_main.h"
#include "ui/main/n_range_panel.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/units_panel.h"
#include "ui/windows/fm_einstellungen.h"

namespace kolvenar {

namespace {

const QString kSection = QStringLiteral("Fm_Main");
// Keys of what the program remembers besides its controls.
const QString kSaveAsFolderKey = QStringLiteral("SpeichernUnterOrdner");
const QString kNoRowQuestionKey = QStringLiteral("ZeilenfrageNichtMehrFragen");
// Whether a search shows each row's nearest test and its deviation.
const QString kDeviationKey = QStringLiteral("ME_Abweichung");
constexpr int kStartN = 33;

}  // namespace

void Fm_Main::Load() {
    SetAsideOversizedSettings(desktop_, this);
    {
        SettingsStore store;
        RestoreWindowPlacement(*this, WindowBorder::Resizable, store);
    }
    LoadReferenceConstants();
    {
        SuppressedEvents suppressed(state_);
        RestoreControls();
        nRange_->SetValue(1, kStartN);
    }
    outputOptions_->ShowResultLabelsOnButtonFace();
    SetSearchMode(false);
    setWindowTitle(WindowCaption());
    // Moving "N von" runs the bar's change handling, which builds the first table.
    nRange_->SetValue(0, kStartN);
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
    elements_->Restore(store);
    units_->Restore(store, kSection);
    RestoreIndex(*combo_Cx_, store, kSection, 0);
    outputOptions_->Restore(store, kSection);
    saveAsFolder_ = store.Read(kSection, kSaveAsFolderKey, QString());
    askBeforeLargeTables_ = store.ReadInt(kSection, kNoRowQuestionKey, 0, 0, 1) == 0;
    me_Abweichung_->setChecked(store.ReadInt(kSection, kDeviationKey, 0, 0, 1) == 1);
}

void Fm_Main::StoreControls() {
    SettingsStore store;
    SaveWindowPlacement(*this, WindowBorder::Resizable, store);
    units_->Store(store, kSection);
    outputOptions_->Store(store, kSection);
    StoreIndex(*combo_Cx_, store, kSection);
    if (!saveAsFolder_.isEmpty()) {
        store.Write(kSection, kSaveAsFolderKey, saveAsFolder_);
    }
    store.WriteInt(kSection, kNoRowQuestionKey, askBeforeLargeTables_ ? 0 : 1);
    store.WriteInt(kSection, kDeviationKey, me_Abweichung_->isChecked() ? 1 : 0);
    elements_->Store(store);
    if (!store.Sync()) {
        ReportSettingsNotWritten(store.FileName());
    }
}

}  // namespace kolvenar
