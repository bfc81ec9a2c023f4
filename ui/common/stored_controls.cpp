#include "ui/common/stored_controls.h"

#include <QCheckBox>
#include <QComboBox>

#include <limits>

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

void RestoreStoredNumber(QComboBox& list, const SettingsStore& store, const QString& section,
                         int defaultNumber) {
    const int stored =
        store.ReadInt(section, list.objectName(), defaultNumber, std::numeric_limits<int>::min(),
                      std::numeric_limits<int>::max());
    const int entry = list.findData(stored);
    list.setCurrentIndex(entry >= 0 ? entry : list.findData(defaultNumber));
}

void StoreStoredNumber(const QComboBox& list, SettingsStore& store, const QString& section) {
    const QVariant number = list.currentData();
    store.WriteInt(section, list.objectName(), number.isValid() ? number.toInt() : -1);
}

}  // namespace kolvenar
