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

    // What a table run reads.
    bool Rounding() const;
    bool HalfAreaWanted() const;
    bool HalfVolumeWanted() const;
    bool QuarterVolumeWanted() const;
    // The factor typed for f (0) or L (1), 0 for none.
    double Wunschfaktor(int index) const;

    // The labels a table run writes: the reference length in use, and how many elements the
    // table holds; both empty while there is no table.
    void ShowReferenceLength(const QString& text);
    QString ReferenceLength() const;
    void ShowFoundElements(const QString& text);
    void ClearResults();
    // The offset added to every N ("N + .5"), or nothing.
    void ShowOffset(const QString& caption);
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
