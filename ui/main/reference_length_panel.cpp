#include "ui/main/reference_length_panel.h"

#include <QComboBox>

#include <algorithm>

#include "core/number_text.h"
#include "ui/common/window_support.h"

namespace kolvenar {

ReferenceLengthPanel::ReferenceLengthPanel(MainState& state, QWidget* parent)
    : QGroupBox(parent), state_(state) {
    setObjectName(QStringLiteral("Fr_Comptonwellenlänge"));
    setTitle(QStringLiteral("Comptonwellenlänge"));
    setGeometry(TwipsRect(2400, 2160, 2175, 735));
    combo_Cx_ = PlaceControl<QComboBox>(this, QStringLiteral("Combo_Cx"), 120, 240, 1935, 315);
    connect(combo_Cx_, &QComboBox::currentIndexChanged, this,
            &ReferenceLengthPanel::Combo_Cx_Change);
}

void ReferenceLengthPanel::SetConstants(const CxTable& constants) {
    constants_ = constants;
    QStringList items;
    for (const CxEntry& entry : constants) {
        items.append(FromUtf8(entry.Cx) + QLatin1Char(' ') + FromUtf8(entry.Cx_Bezeichnung));
    }
    {
        SuppressedEvents suppressed(state_.SuppressEvents);
        combo_Cx_->clear();
        combo_Cx_->addItems(items);
        combo_Cx_->setCurrentIndex(0);
    }
    Combo_Cx_Change();
}

std::pair<QString, double> ReferenceLengthPanel::Current() const {
    const int index = std::clamp(combo_Cx_->currentIndex(), 0, kCxSlotCount - 1);
    const CxEntry& entry = constants_[static_cast<std::size_t>(index)];
    return {FromUtf8(entry.Cx) + QLatin1Char('=') + FromUtf8(NumText(entry.Cx_Wert)) +
                QStringLiteral(" m"),
            entry.Cx_Wert};
}

void ReferenceLengthPanel::Combo_Cx_Change() {
    if (!state_.SuppressEvents) {
        emit rebuildRequested();
    }
}

}  // namespace kolvenar
