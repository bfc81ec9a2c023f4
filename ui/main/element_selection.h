#pragma once

#include <QObject>

#include <array>
#include <vector>

#include "core/elements.h"
#include "ui/main/main_state.h"

class QPushButton;
class QTreeWidget;
class QWidget;

namespace kolvenar {

class SettingsStore;

// The element list lv_Elemente with a tick per element, the buttons "Alle" and "Keine" and the
// legend of the "*". The list's ticks are the one record of the chosen elements.
class ElementSelection : public QObject {
    Q_OBJECT

public:
    ElementSelection(MainState& state, QWidget* container);

    // Fills the list with one row per element in order of Z (name, Z, tag Z, none selected)
    // ticked as the store says (section "ElementVisible", keys "Z1" to "Z118", ticked when
    // missing).
    void Restore(const SettingsStore& store);
    // Stores every row's tick under its element's key.
    void Store(SettingsStore& store) const;
    // Lets the list reach down to `bottom` (in its container), never shorter than one pixel.
    void StretchListTo(int bottom);
    // Index = Z, index 0 unused: whether the element is ticked.
    std::array<bool, kElementCount + 1> Chosen() const;
    // Ticks exactly the elements `zs` (under SuppressEvents).
    void TickOnly(const std::vector<int>& zs);

signals:
    // The ticks changed: take them over and rebuild the table.
    void selectionApplyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(const std::array<bool, kElementCount + 1>& ticked);
    void cmd_ElementeVisible_Click(int index);

    MainState& state_;
    QTreeWidget* lv_Elemente_ = nullptr;
};

}  // namespace kolvenar
