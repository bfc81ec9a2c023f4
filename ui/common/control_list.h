#pragma once

#include <QString>

#include <span>
#include <string_view>

class QWidget;

namespace kolvenar {

class SettingsStore;

// How a listed control's value is kept in the settings store: under the control's own name in
// its window's section (docs/design.md, "Control names are stored keys").
enum class Kept {
    // Not kept.
    No,
    // A check box, "1" ticked and "0" not; `fallback` is 1 for ticked.
    Tick,
    // A list's chosen entry by its index; `fallback` is the index.
    Index,
    // A box's text as typed; `fallbackText` is the text.
    Text,
    // On the first member of an option group ("opt_Toleranz0"): the index of the chosen member,
    // under the group's name ("opt_Toleranz"); `fallback` is the index.
    Choice,
    // Kept by the code that owns the control, which reads and writes it under its name.
    ByOwner,
};

// One control a window lists: every control that takes the focus, in the order Tab visits
// them.
struct ListedControl {
    // The objectName, which is also its settings key.
    std::string_view name;
    // What a screen reader calls it: short, German and unique within the window; empty where the
    // control's own caption says what it is for.
    std::string_view spoken = {};
    Kept kept = Kept::No;
    int fallback = 0;
    std::string_view fallbackText = {};
};

using ControlList = std::span<const ListedControl>;

// Chains the listed controls of `window` in the list's order for Tab and gives them their
// spoken names.
void SetUpControls(QWidget& window, ControlList controls);

// The values of the controls the list keeps, read from or written to `section`; a value the
// store does not have, or that does not fit the control, gives the control's fallback.
void RestoreControls(QWidget& window, ControlList controls, const SettingsStore& store,
                     const QString& section);
void StoreControls(const QWidget& window, ControlList controls, SettingsStore& store,
                   const QString& section);

}  // namespace kolvenar
