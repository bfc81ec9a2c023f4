#pragma once

#include <QGroupBox>

#include <array>

#include "ui/main/main_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kolvenar {

// The frame Fr_Ausgabe: rounding, the extra columns A/2, V/2, V/4, the two reciprocal
// "Wunschfaktor" boxes and the labels the table builder writes.
class OutputOptionsPanel : public QGroupBox {
    Q_OBJECT

public:
    OutputOptionsPanel(MainState& state, QWidget* parent);

    QCheckBox* chk_Runden() const { return chk_Runden_; }
    QCheckBox* chk_A2() const { return chk_A2_; }
    QCheckBox* chk_V2() const { return chk_V2_; }
    QCheckBox* chk_V4() const { return chk_V4_; }
    QLineEdit* txt_Wunschfaktor(int index) const {
        return txt_Wunschfaktor_[static_cast<std::size_t>(index)];
    }
    QLabel* Lab_AnzGefundenerElemente() const { return lab_AnzGefundenerElemente_; }
    QLabel* Lab_AusgabeCx() const { return lab_AusgabeCx_; }
    QLabel* Lab_N_Offset() const { return lab_N_Offset_; }

    // Gives the three result labels the button-face background.
    void ShowResultLabelsOnButtonFace();

signals:
    // Rebuild the table as it stands (extra-column boxes, factors).
    void rebuildRequested();
    // Take the element ticks over and rebuild (rounding box).
    void selectionApplyRequested();

private:
    void txt_Wunschfaktor_KeyDown(int index);

    MainState& state_;
    QCheckBox* chk_Runden_ = nullptr;
    QCheckBox* chk_A2_ = nullptr;
    QCheckBox* chk_V2_ = nullptr;
    QCheckBox* chk_V4_ = nullptr;
    std::array<QLineEdit*, 2> txt_Wunschfaktor_{};
    QLabel* lab_AnzGefundenerElemente_ = nullptr;
    QLabel* lab_AusgabeCx_ = nullptr;
    QLabel* lab_N_Offset_ = nullptr;
};

}  // namespace kolvenar
