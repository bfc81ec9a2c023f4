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

    // The label outside the frame that shows the offset ("N + .5").
    void SetOffsetLabel(QLabel* label) { lab_N_Offset_ = label; }

    QScrollBar* HScroll_N(int index) const { return hScroll_N_[static_cast<std::size_t>(index)]; }
    double Value(int index) const;

    // Writes the three captions of the N range.
    void ShowNRange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The table must be built again for the N range the bars now show.
    void rebuildRequested();

private:
    void HScroll_N_Change(int index);
    void txt_N_Value_KeyDown(int index);

    MainState& state_;
    std::array<QLabel*, 2> lab_N_{};
    std::array<QScrollBar*, 2> hScroll_N_{};
    std::array<QLineEdit*, 2> txt_N_Value_{};
    QLabel* lab_N_Offset_ = nullptr;
};

}  // namespace kolvenar
