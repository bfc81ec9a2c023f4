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

// The frame Fr_Einheiten: one row per quantity (f, L, T, A, V) with its field check box, unit
// list and search box, plus the search switch and the tolerance options.
class UnitsPanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kToleranceOptions = 6;

    UnitsPanel(MainState& state, QWidget* parent);

    QCheckBox* chk_Feldauswahl(int i) const { return chk_Feldauswahl_[Index(i)]; }
    QComboBox* Cb_Einheit(int i) const { return cb_Einheit_[Index(i)]; }
    QLineEdit* txt_Suchen(int i) const { return txt_Suchen_[Index(i)]; }
    QCheckBox* Chk_Suchmodus() const { return chk_Suchmodus_; }
    QRadioButton* opt_Toleranz(int i) const { return opt_Toleranz_[static_cast<std::size_t>(i)]; }
    QLineEdit* txt_Toleranz() const { return txt_Toleranz_; }

    // Index of the first selected tolerance option, or -1 when none is.
    int SelectedToleranceOption() const;

    // Switches the search inputs on or off.
    void SetSearchMode(bool on);

signals:
    void rebuildRequested();
    void selectionApplyRequested();
    // The search switch was clicked; `on` is its new state.
    void searchModeClicked(bool on);

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

    void CreateQuantityRows();
    void CreateSearchControls();
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
