#pragma once

#include <QString>

class QCheckBox;
class QComboBox;

namespace kolvenar {

class SettingsStore;

// A control's value in the settings store, kept under the control's own name in its window's
// section (docs/design.md, "Control names are stored keys"): renaming a control would lose what
// users have stored.

// A check box: "1" ticked, "0" not; anything else stored gives the default.
void RestoreChecked(QCheckBox& box, const SettingsStore& store, const QString& section,
                    bool defaultValue);
void StoreChecked(const QCheckBox& box, SettingsStore& store, const QString& section);

// A list's chosen entry by its index; an index the list does not have gives the default.
void RestoreIndex(QComboBox& list, const SettingsStore& store, const QString& section,
                  int defaultIndex);
void StoreIndex(const QComboBox& list, SettingsStore& store, const QString& section);

// A list whose entries are kept by a number of their own, held as each entry's data, so that
// an entry keeps its number wherever the list shows it. A number no entry has gives the entry
// of the default number.
void RestoreStoredNumber(QComboBox& list, const SettingsStore& store, const QString& section,
                         int defaultNumber);
void StoreStoredNumber(const QComboBox& list, SettingsStore& store, const QString& section);

}  // namespace kolvenar
