#include "ui/main/output_options_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

QLabel* PlaceLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                   int width) {
    auto* label = PlaceControl<QLabel>(parent, name, left, top, width, 255);
    label->setText(caption);
    return label;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const QString& name, const QString& caption, int left,
                         int top, int width) {
    auto* box = PlaceControl<QCheckBox>(parent, name, left, top, width, 255);
    box->setText(caption);
    return box;
}

}  // namespace

OutputOptionsPanel::OutputOptionsPanel(MainState& state, QWidget* parent)
    : QGroupBox(parent), state_(state) {
    setObjectName(QStringLiteral("Fr_Ausgabe"));
    setTitle(QStringLiteral("Ausgabe"));
    setGeometry(TwipsRect(6240, 0, 3135, 2055));

    chk_Runden_ =
        PlaceCheckBox(this, QStringLiteral("chk_Runden"), QStringLiteral("Runden"), 120, 240, 960);
    chk_Runden_->setToolTip(QStringLiteral("(auf 4 Stellen nach dem Komma)"));
    chk_Runden_->setChecked(true);
    PlaceLabel(this, QStringLiteral("Lab_Wunschfaktor"), QStringLiteral("Wunschfaktor"), 1080, 240,
               1095);
    PlaceLabel(this, QStringLiteral("Lab_WFaktor0"), QStringLiteral("f *"), 2160, 240, 255);
    PlaceLabel(this, QStringLiteral("Lab_WFaktor1"), QStringLiteral("L *"), 2160, 600, 255);
    for (int i = 0; i < 2; ++i) {
        QLineEdit*& box = txt_Wunschfaktor_[static_cast<std::size_t>(i)];
        box = PlaceControl<QLineEdit>(this, MemberName(QStringLiteral("txt_Wunschfaktor"), i), 2400,
                                      i == 0 ? 240 : 600, 615, 285);
        box->setToolTip(QStringLiteral("Wert eingeben und Enter drücken"));
        connect(box, &QLineEdit::returnPressed, this, [this, i] { txt_Wunschfaktor_KeyDown(i); });
    }
    lab_AnzGefundenerElemente_ =
        PlaceLabel(this, QStringLiteral("Lab_AnzGefundenerElemente"), QString(), 120, 600, 1095);
    lab_AusgabeCx_ = PlaceLabel(this, QStringLiteral("Lab_AusgabeCx"), QString(), 120, 960, 1815);
    lab_N_Offset_ = PlaceLabel(this, QStringLiteral("Lab_N_Offset"), QStringLiteral("N_Offset"),
                               2400, 960, 615);

    chk_A2_ = PlaceCheckBox(this, QStringLiteral("chk_A2"), QStringLiteral("A/2"), 1680, 1320, 615);
    chk_V2_ = PlaceCheckBox(this, QStringLiteral("chk_V2"), QStringLiteral("V/2"), 1680, 1680, 615);
    chk_V4_ = PlaceCheckBox(this, QStringLiteral("chk_V4"), QStringLiteral("V/4"), 2400, 1680, 615);

    for (QCheckBox* box : {chk_A2_, chk_V2_, chk_V4_}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!state_.SuppressEvents) {
                emit rebuildRequested();
            }
        });
    }
    connect(chk_Runden_, &QCheckBox::toggled, this, [this] {
        if (!state_.SuppressEvents) {
            emit selectionApplyRequested();
        }
    });
}

bool OutputOptionsPanel::Rounding() const {
    return chk_Runden_->checkState() != Qt::Unchecked;
}

bool OutputOptionsPanel::HalfAreaWanted() const {
    return chk_A2_->isChecked();
}

bool OutputOptionsPanel::HalfVolumeWanted() const {
    return chk_V2_->isChecked();
}

bool OutputOptionsPanel::QuarterVolumeWanted() const {
    return chk_V4_->isChecked();
}

double OutputOptionsPanel::Wunschfaktor(int index) const {
    return LeadingNumber(txt_Wunschfaktor_[static_cast<std::size_t>(index)]->text().toStdString());
}

void OutputOptionsPanel::ShowReferenceLength(const QString& text) {
    lab_AusgabeCx_->setText(text);
}

QString OutputOptionsPanel::ReferenceLength() const {
    return lab_AusgabeCx_->text();
}

void OutputOptionsPanel::ShowFoundElements(const QString& text) {
    lab_AnzGefundenerElemente_->setText(text);
}

void OutputOptionsPanel::ClearResults() {
    lab_AnzGefundenerElemente_->clear();
    lab_AusgabeCx_->clear();
}

void OutputOptionsPanel::ShowOffset(const QString& caption) {
    lab_N_Offset_->setText(caption);
}

void OutputOptionsPanel::ShowResultLabelsOnButtonFace() {
    for (QLabel* label : {lab_AnzGefundenerElemente_, lab_AusgabeCx_, lab_N_Offset_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Button));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
}

void OutputOptionsPanel::txt_Wunschfaktor_KeyDown(int index) {
    QLineEdit* typed = txt_Wunschfaktor_[static_cast<std::size_t>(index)];
    QLineEdit* other = txt_Wunschfaktor_[static_cast<std::size_t>(1 - index)];
    const double factor = RoundToPlaces(LeadingNumber(typed->text().toStdString()), 6);
    if (factor == 0 || factor == 1) {
        // A factor of 1 is no factor.
        typed->clear();
        other->clear();
    } else {
        typed->setText(FromUtf8(NumText(factor)));
        other->setText(FromUtf8(NumText(RoundToPlaces(1 / factor, 6))));
    }
    emit rebuildRequested();
}

}  // namespace kolvenar
