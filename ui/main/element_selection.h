#pragma once

#include <QObject>

#include "ui/main/main_state.h"

class QPushButton;
class QTreeWidget;
class QWidget;

namespace kolvenar {

class SettingsStore;

// The element list lv_Elemente with a tick per element, the buttons "Alle" and "Keine" and the
// legend of the "*". The ticks and the Visible flags of the element table always agree.
class ElementSelection : public QObject {
    Q_OBJECT

public:
    ElementSelection(MainState& state, QWidget* container);

    // Names the elements and reads their ticks from the store (section "ElementVisible", keys
    // "Z1" to "Z118", ticked when missing), then fills the list with one row per element in
    // order of Z: name, Z, tag Z, tick = Visible, none selected.
    void Restore(const SettingsStore& store);
    // Stores every row's tick under its element's key.
    void Store(SettingsStore& store) const;
    // Lets the list reach down to `bottom` (in its container), never shorter than one pixel.
    void StretchListTo(int bottom);
    // Copies every row's tick into Visible.
    void CopyTicksToElements();
    // Sets every row's tick from Visible (under SuppressEvents).
    void SetTicksFromElements();

signals:
    // The ticks changed: take them over and rebuild the table.
    void selectionApplyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();
    void cmd_ElementeVisible_Click(int index);

    MainState& state_;
    QTreeWidget* lv_Elemente_ = nullptr;
};

}  // namespace kolvenar
