#include "ui/main/main_settings.h"

#include <QMainWindow>

#include "settings/reference_constants.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/common/control_list.h"
#include "ui/main/element_selection.h"
#include "ui/main/main_controls.h"
#include "ui/main/reference_length_panel.h"
#include "ui/main/table_exports.h"
#include "ui/main/table_runner.h"
#include "ui/main/units_panel.h"
#include "ui/windows/fm_einstellungen.h"

namespace kolvenar {

namespace {

const QString& kSection = sections::kMain;

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
    kolvenar::RestoreControls(window_, MainControls(), store, kSection);
    exports_.SetSaveAsFolder(store.Read(kSection, keys::kSaveAsFolder, QString()));
    runner_.SetAskBeforeLargeTables(store.ReadInt(kSection, keys::kNoRowQuestion, 0, 0, 1) == 0);
    parts_.deviation->setChecked(store.ReadInt(kSection, keys::kDeviation, 0, 0, 1) == 1);
}

void MainSettings::Store() {
    SettingsStore store;
    SaveWindowPlacement(window_, WindowBorder::Resizable, store);
    parts_.units->Store(store, kSection);
    StoreControls(window_, MainControls(), store, kSection);
    if (!exports_.SaveAsFolder().isEmpty()) {
        store.Write(kSection, keys::kSaveAsFolder, exports_.SaveAsFolder());
    }
    store.WriteInt(kSection, keys::kNoRowQuestion, runner_.AskBeforeLargeTables() ? 0 : 1);
    store.WriteInt(kSection, keys::kDeviation, parts_.deviation->isChecked() ? 1 : 0);
    parts_.elements->Store(store);
    if (!store.Sync()) {
        emit settingsNotWritten(store.FileName());
    }
}

}  // namespace kolvenar
