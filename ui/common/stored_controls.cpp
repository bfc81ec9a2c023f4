#include "ui/common/stored_controls.h"

#include <QCheckBox>
#include <QComboBox>

#include "settings/settings_store.h"

namespace kolvenar {

void RestoreChecked(QCheckBox& box, const SettingsStore& store, const QString& section,
                    bool defaultValue) {
    box.setChecked(store.ReadInt(section, box.objectName(), defaultValue ? 1 : 0, 0, 1) == 1);
}

void StoreChecked(const QCheckBox& box, SettingsStore& store, const QString& section) {
    store.WriteInt(section, box.objectName(), box.isChecked() ? 1 : 0);
}

void RestoreIndex(QComboBox& list, const SettingsStore& store, const QString& section,
                  int defaultIndex) {
    list.setCurrentIndex(
        store.ReadInt(section, list.objectName(), defaultIndex, 0, list.count() - 1));
}

void StoreIndex(const QComboBox& list, SettingsStore& store, const QString& section) {
    store.WriteInt(section, list.objectName(), list.currentIndex());
}

}  // namespace kolvenar
