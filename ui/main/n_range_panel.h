#pragma once

#include <QGroupBox>

#include <array>

#include "ui/main/main_state.h"

class QLabel;
class QLineEdit;
class QScrollBar;

namespace kolvenar {

// The frame Fr_N: the two N bars ("N von", "N bis"), the boxes for typing an N and their
// captions. Typing an N with a fraction sets the window's N_Offset.
class NRangePanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kLowestN = -900;
    static constexpr int kHighestN = 900;

    NRangePanel(MainState& state, QWidget* parent);

    // The value of bar 0 ("N von") or 1 ("N bis").
    double Value(int index) const;
    // Moves a bar; its change handling runs unless the window suppresses events.
    void SetValue(int index, int value);
    // Lets go of both bars as if the mouse had been released: a bar held down on an arrow or in
    // its track stops stepping, a dragged one stops following the mouse.
    void ReleaseBars();

    // Writes the three captions of the N range.
    void ShowNRange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The table must be built again for the N range the bars now show.
    void rebuildRequested();
    // The offset added to every N, as its label shows it ("N + .5"), or nothing.
    void offsetShown(const QString& caption);

private:
    void HScroll_N_Change(int index);
    void txt_N_Value_KeyDown(int index);

    MainState& state_;
    std::array<QLabel*, 2> lab_N_{};
    std::array<QScrollBar*, 2> hScroll_N_{};
    std::array<QLineEdit*, 2> txt_N_Value_{};
};

}  // namespace kolvenar
