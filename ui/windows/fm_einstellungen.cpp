#include "ui/windows/fm_einstellungen.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/number_text.h"
#include "settings/settings_store.h"
#include "ui/common/control_names.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

const QString kMainSection = QStringLiteral("Fm_Main");

// Only blanks are taken off; tabs and other characters stay.
QString WithoutSurroundingBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text[last - 1] == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

}  // namespace

Fm_Einstellungen::Fm_Einstellungen(QWidget* parent)
    : SideWindow(QStringLiteral("Fm_Einstellungen"), QStringLiteral(" Einstellungen"),
                 WindowBorder::Fixed, parent) {
    setFixedSize(TwipsRect(0, 0, 4440, 2775).size());

    auto* frame = PlaceControl<QGroupBox>(this, QStringLiteral("Fr_Comptonwellenlänge"), 120, 120,
                                          4215, 2055);
    frame->setTitle(QStringLiteral("Comptonwellenlänge"));
    for (int i = 0; i < kCxSlotCount; ++i) {
        const int top = 240 + 360 * i;
        txt_Cx_[i] = PlaceControl<QLineEdit>(frame, MemberName(QStringLiteral("txt_Cx"), i), 120,
                                             top, 495, 285);
        txt_Cx_Wert_[i] = PlaceControl<QLineEdit>(
            frame, MemberName(QStringLiteral("txt_Cx_Wert"), i), 720, top, 1575, 285);
        txt_Cx_Bezeichnung_[i] = PlaceControl<QLineEdit>(
            frame, MemberName(QStringLiteral("txt_Cx_Bezeichnung"), i), 2400, top, 1455, 285);
        auto* unit = PlaceControl<QLabel>(frame, MemberName(QStringLiteral("Lab_m"), i), 3960, top,
                                          135, 255);
        unit->setText(QStringLiteral("m"));
        for (QLineEdit* box : {txt_Cx_[i], txt_Cx_Wert_[i], txt_Cx_Bezeichnung_[i]}) {
            connect(box, &QLineEdit::textChanged, this, &Fm_Einstellungen::TextChanged);
        }
    }
    cmd_Speichern_ =
        PlaceControl<QPushButton>(this, QStringLiteral("cmd_Speichern"), 120, 2280, 4215, 375);
    cmd_Speichern_->setText(QStringLiteral("Speichern"));
    connect(cmd_Speichern_, &QPushButton::clicked, this, &Fm_Einstellungen::cmd_Speichern_Click);

    for (int i = 0; i < kCxSlotCount; ++i) {
        setTabOrder(i == 0 ? static_cast<QWidget*>(txt_Cx_[0]) : txt_Cx_Bezeichnung_[i - 1],
                    txt_Cx_[i]);
        setTabOrder(txt_Cx_[i], txt_Cx_Wert_[i]);
        setTabOrder(txt_Cx_Wert_[i], txt_Cx_Bezeichnung_[i]);
    }
    setTabOrder(txt_Cx_Bezeichnung_[kCxSlotCount - 1], cmd_Speichern_);
    NameControls(*this);

    Load();
}

void Fm_Einstellungen::Load() {
    SettingsStore store;
    RestorePlacement(store);
    suppressEvents_ = true;
    for (int i = 0; i < kCxSlotCount; ++i) {
        const FactoryConstant& factory = kFactoryConstants[static_cast<std::size_t>(i)];
        txt_Cx_[i]->setText(
            store.Read(kMainSection, MemberName(QStringLiteral("Cx"), i), FromUtf8(factory.Cx)));
        txt_Cx_Wert_[i]->setText(store.Read(kMainSection, MemberName(QStringLiteral("Cx_Wert"), i),
                                            QString::fromStdString(NumText(factory.Cx_Wert))));
        txt_Cx_Bezeichnung_[i]->setText(store.Read(kMainSection,
                                                   MemberName(QStringLiteral("Cx_Bezeichnung"), i),
                                                   FromUtf8(factory.Cx_Bezeichnung)));
    }
    SetSaveEnabled(false);
    suppressEvents_ = false;
}

void Fm_Einstellungen::SetSaveEnabled(bool on) {
    if (cmd_Speichern_->isEnabled() != on) {
        cmd_Speichern_->setEnabled(on);
    }
}

void Fm_Einstellungen::TextChanged() {
    if (!suppressEvents_) {
        SetSaveEnabled(true);
    }
}

void Fm_Einstellungen::cmd_Speichern_Click() {
    cmd_Speichern_->setEnabled(false);
    Speichern();
}

void Fm_Einstellungen::Speichern() {
    CxTable constants;
    {
        SettingsStore store;
        for (int i = 0; i < kCxSlotCount; ++i) {
            const QString cx = WithoutSurroundingBlanks(txt_Cx_[i]->text());
            const QString wert = WithoutSurroundingBlanks(txt_Cx_Wert_[i]->text());
            const QString bezeichnung = WithoutSurroundingBlanks(txt_Cx_Bezeichnung_[i]->text());
            store.Write(kMainSection, MemberName(QStringLiteral("Cx"), i), cx);
            store.Write(kMainSection, MemberName(QStringLiteral("Cx_Wert"), i), wert);
            store.Write(kMainSection, MemberName(QStringLiteral("Cx_Bezeichnung"), i), bezeichnung);
            constants[static_cast<std::size_t>(i)] =
                CxEntryFromTexts(cx.toStdString(), wert.toStdString(), bezeichnung.toStdString());
        }
        store.Write(kMainSection, QStringLiteral("Einstellungen"), QStringLiteral("Ja"));
        if (!store.Sync()) {
            emit settingsNotWritten(store.FileName());
        }
    }
    emit constantsSaved(constants);
}

}  // namespace kolvenar
