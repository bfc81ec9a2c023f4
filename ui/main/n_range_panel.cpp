#include "ui/main/n_range_panel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <cmath>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "ui/common/accessibility.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

struct NRow {
    const char* caption;
    int top;
};

constexpr std::array<NRow, 2> kRows = {{{"N von", 240}, {"N bis", 480}}};

}  // namespace

NRangePanel::NRangePanel(MainState& state, QWidget* parent) : QGroupBox(parent), state_(state) {
    setObjectName(QStringLiteral("Fr_N"));
    setGeometry(TwipsRect(4680, 2160, 4695, 855));
    for (int i = 0; i < 2; ++i) {
        const NRow& row = kRows[static_cast<std::size_t>(i)];
        const auto index = static_cast<std::size_t>(i);
        lab_N_[index] = PlaceControl<QLabel>(this, MemberName(QStringLiteral("Lab_N"), i), 120,
                                             row.top, 975, 255);
        lab_N_[index]->setText(QString::fromLatin1(row.caption));

        hScroll_N_[index] = PlaceControl<QScrollBar>(
            this, MemberName(QStringLiteral("HScroll_N"), i), 1080, row.top, 3015, 255);
        hScroll_N_[index]->setOrientation(Qt::Horizontal);
        hScroll_N_[index]->setRange(kLowestN, kHighestN);
        hScroll_N_[index]->setSingleStep(1);
        hScroll_N_[index]->setPageStep(10);
        hScroll_N_[index]->setFocusPolicy(Qt::StrongFocus);
        hScroll_N_[index]->installEventFilter(this);
        ShowFocusRing(*hScroll_N_[index]);
        connect(hScroll_N_[index], &QScrollBar::valueChanged, this,
                [this, i] { HScroll_N_Change(i); });

        txt_N_Value_[index] = PlaceControl<QLineEdit>(
            this, MemberName(QStringLiteral("txt_N_Value"), i), 4080, row.top, 495, 285);
        txt_N_Value_[index]->setToolTip(QStringLiteral("N eingeben und Enter drücken"));
        // The boxes hold text only while the user types: leaving one empties it.
        QLineEdit* box = txt_N_Value_[index];
        WatchUserFocus(*box, {}, [box] { box->clear(); });
        connect(txt_N_Value_[index], &QLineEdit::returnPressed, this,
                [this, i] { txt_N_Value_KeyDown(i); });
    }
}

bool NRangePanel::eventFilter(QObject* watched, QEvent* event) {
    // Qt's scroll bars step backwards on Right and forwards on Left (their controls are
    // inverted so that PgDown and the wheel go down); on these bars Right must raise N.
    auto* bar = qobject_cast<QScrollBar*>(watched);
    if (bar == nullptr || event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        return false;
    }
    bar->triggerAction(key == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                            : QAbstractSlider::SliderSingleStepSub);
    return true;
}

double NRangePanel::Value(int index) const {
    return hScroll_N_[static_cast<std::size_t>(index)]->value();
}

void NRangePanel::SetValue(int index, int value) {
    hScroll_N_[static_cast<std::size_t>(index)]->setValue(value);
}

void NRangePanel::HScroll_N_Change(int index) {
    if (state_.SuppressEvents) {
        return;
    }
    if (index == 0) {
        // Moving "N von" collapses the range to that one N.
        SuppressedEvents suppressed(state_.SuppressEvents);
        hScroll_N_[1]->setValue(hScroll_N_[0]->value());
    }
    ShowNRange();
    emit rebuildRequested();
}

void NRangePanel::ReleaseBars() {
    for (QScrollBar* bar : hScroll_N_) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(), bar->mapToGlobal(QPointF()),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &release);
    }
}

void NRangePanel::ShowNRange() {
    // The captions show the effective N (bar plus offset), also for negative bars.
    const auto caption = [this](const char* prefix, int index) {
        const double n = Value(index) + state_.N_Offset;
        return QString::fromLatin1(prefix) + FromUtf8(NumText(n));
    };
    lab_N_[0]->setText(caption("N von ", 0));
    lab_N_[1]->setText(caption("N bis ", 1));
    emit offsetShown(state_.N_Offset == 0
                         ? QString()
                         : QStringLiteral("N + ") + FromUtf8(NumText(state_.N_Offset)));
}

void NRangePanel::txt_N_Value_KeyDown(int index) {
    QLineEdit* box = txt_N_Value_[static_cast<std::size_t>(index)];
    QScrollBar* bar = hScroll_N_[static_cast<std::size_t>(index)];
    double x = LeadingNumber(box->text().toStdString());
    state_.N_Offset = RoundToPlaces(x - std::floor(x), 2);
    x = std::clamp(x - state_.N_Offset, static_cast<double>(bar->minimum()),
                   static_cast<double>(bar->maximum()));
    box->setText(FromUtf8(NumText(x + state_.N_Offset)));
    const int whole = static_cast<int>(RoundHalfToEven(x));
    if (whole != bar->value()) {
        bar->setValue(whole);
        return;
    }
    ShowNRange();
    emit rebuildRequested();
}

}  // namespace kolvenar
