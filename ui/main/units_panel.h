#pragma once

#include <QGroupBox>

#include <array>

#include "core/units.h"
#include "ui/main/main_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kolvenar {

class SettingsStore;

// The frame Fr_Einheiten: one row per quantity (f, L, T, A, V) with its field check box, unit
// list and search box, plus the search switch and the tolerance options.
class UnitsPanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kToleranceOptions = 6;

    UnitsPanel(MainState& state, QWidget* parent);

    // What a table run reads.
    bool SearchMode() const;
    const UnitEntry& Unit(int quantity) const;
    bool QuantityShown(int quantity) const;
    // The typed value of a quantity's search box, 0 for none.
    double SearchValue(int quantity) const;
    // The tolerance in per cent the options give; the own value's box is rewritten in its
    // normal form when the own option is chosen.
    double TakeTolerance();
    bool OwnToleranceChosen() const;

    // Switches the search inputs on or off.
    void SetSearchMode(bool on);
    // Where the user is sent when there is nothing to search for.
    void FocusFirstSearchBox();

    // The unit lists' choices in the settings store (section of the window); the panel's other
    // controls are kept through the window's control list.
    void Restore(const SettingsStore& store, const QString& section);
    void Store(SettingsStore& store, const QString& section) const;

signals:
    void rebuildRequested();
    void selectionApplyRequested();
    // The search switch was clicked; `on` is its new state.
    void searchModeClicked(bool on);

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    void CreateQuantityRows();
    void CreateSearchControls();
    // Index of the first selected tolerance option, or -1 when none is.
    int SelectedToleranceOption() const;
    void txt_Suchen_Change(int index);
    void txt_Suchen_KeyDown(int index);
    void opt_Toleranz_Click();
    bool AnySearchText() const;

    MainState& state_;
    std::array<QCheckBox*, kQuantityCount> chk_Feldauswahl_{};
    std::array<QComboBox*, kQuantityCount> cb_Einheit_{};
    std::array<QLineEdit*, kQuantityCount> txt_Suchen_{};
    QLabel* lab_Suchen_ = nullptr;
    QCheckBox* chk_Suchmodus_ = nullptr;
    QLabel* lab_Toleranz_ = nullptr;
    std::array<QRadioButton*, kToleranceOptions> opt_Toleranz_{};
    QLineEdit* txt_Toleranz_ = nullptr;
};

}  // namespace kolvenar
