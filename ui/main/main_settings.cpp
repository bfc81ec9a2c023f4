#include "ui/main/main_settings.h"

#include <QMainWindow>

#include "settings/reference_constants.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/common/stored_controls.h"
#include "ui/main/element_selection.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/reference_length_panel.h"
#include "ui/main/table_exports.h"
#include "ui/main/table_runner.h"
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

}  // namespace

MainSettings::MainSettings(QMainWindow& window, const MainParts& parts, TableRunner& runner,
                           TableExports& exports)
    : QObject(&window), window_(window), parts_(parts), runner_(runner), exports_(exports) {}

void MainSettings::RestorePlacement() {
    SettingsStore store;
    RestoreWindowPlacement(window_, WindowBorder::Resizable, store);
}

void MainSettings::LoadReferenceConstants() {
    SettingsStore store;
    if (ReferenceConstantsStored(store)) {
        parts_.reference->SetConstants(ReadReferenceConstants(store));
        return;
    }
    // First start: each slot keeps a text already stored, else gets the factory contents.
    const CxTable constants = StoreReferenceConstants(store, ReadReferenceConstantTexts(store));
    // The settings window once stored these at a first start, loaded unseen, and wrote its
    // placement as it was unloaded; the keys stay as they were.
    StoreUnshownPlacement(store, Fm_Einstellungen::Name(), Fm_Einstellungen::DesignSize());
    if (!store.Sync()) {
        emit settingsNotWritten(store.FileName());
    }
    parts_.reference->SetConstants(constants);
}

void MainSettings::RestoreControls() {
    SettingsStore store;
    parts_.elements->Restore(store);
    parts_.units->Restore(store, kSection);
    RestoreIndex(parts_.reference->List(), store, kSection, 0);
    parts_.outputOptions->Restore(store, kSection);
    exports_.SetSaveAsFolder(store.Read(kSection, kSaveAsFolderKey, QString()));
    runner_.SetAskBeforeLargeTables(store.ReadInt(kSection, kNoRowQuestionKey, 0, 0, 1) == 0);
    parts_.deviation->setChecked(store.ReadInt(kSection, kDeviationKey, 0, 0, 1) == 1);
}

void MainSettings::Store() {
    SettingsStore store;
    SaveWindowPlacement(window_, WindowBorder::Resizable, store);
    parts_.units->Store(store, kSection);
    parts_.outputOptions->Store(store, kSection);
    StoreIndex(parts_.reference->List(), store, kSection);
    if (!exports_.SaveAsFolder().isEmpty()) {
        store.Write(kSection, kSaveAsFolderKey, exports_.SaveAsFolder());
    }
    store.WriteInt(kSection, kNoRowQuestionKey, runner_.AskBeforeLargeTables() ? 0 : 1);
    store.WriteInt(kSection, kDeviationKey, parts_.deviation->isChecked() ? 1 : 0);
    parts_.elements->Store(store);
    if (!store.Sync()) {
        emit settingsNotWritten(store.FileName());
    }
}

}  // namespace kolvenar
