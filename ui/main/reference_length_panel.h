#pragma once

#include <QGroupBox>
#include <QString>

#include <utility>

#include "settings/reference_constants.h"
#include "ui/main/main_state.h"

class QComboBox;

namespace kolvenar {

// The frame Fr_Comptonwellenlänge: the list Combo_Cx of the five reference lengths the
// settings window edits, one of which every table is built with.
class ReferenceLengthPanel : public QGroupBox {
    Q_OBJECT

public:
    ReferenceLengthPanel(MainState& state, QWidget* parent);

    // Fills the list with `constants` and selects the first entry, which is a change of the
    // reference length like any other.
    void SetConstants(const CxTable& constants);
    // The text for Lab_AusgabeCx and the selected reference length in metres.
    std::pair<QString, double> Current() const;

    QComboBox& List() const { return *combo_Cx_; }

signals:
    // The user chose another reference length.
    void rebuildRequested();

private:
    void Combo_Cx_Change();

    MainState& state_;
    QComboBox* combo_Cx_ = nullptr;
    CxTable constants_;
};

}  // namespace kolvenar
