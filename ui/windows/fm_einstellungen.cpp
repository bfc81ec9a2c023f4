#include "ui/windows/fm_einstellungen.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "ui/common/control_list.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

// The boxes are kept as the reference constants (settings/reference_constants.h).
constexpr std::array<ListedControl, 16> kControls = {{
    {.name = "txt_Cx0", .spoken = "Kürzel 1"},
    {.name = "txt_Cx_Wert0", .spoken = "Wert 1 in m"},
    {.name = "txt_Cx_Bezeichnung0", .spoken = "Bezeichnung 1"},
    {.name = "txt_Cx1", .spoken = "Kürzel 2"},
    {.name = "txt_Cx_Wert1", .spoken = "Wert 2 in m"},
    {.name = "txt_Cx_Bezeichnung1", .spoken = "Bezeichnung 2"},
    {.name = "txt_Cx2", .spoken = "Kürzel 3"},
    {.name = "txt_Cx_Wert2", .spoken = "Wert 3 in m"},
    {.name = "txt_Cx_Bezeichnung2", .spoken = "Bezeichnung 3"},
    {.name = "txt_Cx3", .spoken = "Kürzel 4"},
    {.name = "txt_Cx_Wert3", .spoken = "Wert 4 in m"},
    {.name = "txt_Cx_Bezeichnung3", .spoken = "Bezeichnung 4"},
    {.name = "txt_Cx4", .spoken = "Kürzel 5"},
    {.name = "txt_Cx_Wert4", .spoken = "Wert 5 in m"},
    {.name = "txt_Cx_Bezeichnung4", .spoken = "Bezeichnung 5"},
    {.name = "cmd_Speichern"},
}};

}  // namespace

QString Fm_Einstellungen::Name() {
    return sections::kSettings;
}

QSize Fm_Einstellungen::DesignSize() {
    return TwipsRect(0, 0, 4440, 2775).size();
}

Fm_Einstellungen::Fm_Einstellungen(QWidget* parent)
    : SideWindow(Name(), QStringLiteral(" Einstellungen"), WindowBorder::Fixed, parent) {
    setFixedSize(DesignSize());

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

    SetUpControls(*this, kControls);

    Load();
}

void Fm_Einstellungen::Load() {
    SettingsStore store;
    RestorePlacement(store);
    SuppressedEvents quiet(suppressEvents_);
    const CxTextTable texts = ReadReferenceConstantTexts(store);
    for (int i = 0; i < kCxSlotCount; ++i) {
        const CxTexts& slot = texts[static_cast<std::size_t>(i)];
        txt_Cx_[i]->setText(slot.Cx);
        txt_Cx_Wert_[i]->setText(slot.Cx_Wert);
        txt_Cx_Bezeichnung_[i]->setText(slot.Cx_Bezeichnung);
    }
    SetSaveEnabled(false);
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
    CxTextTable texts;
    for (int i = 0; i < kCxSlotCount; ++i) {
        texts[static_cast<std::size_t>(i)] = {txt_Cx_[i]->text(), txt_Cx_Wert_[i]->text(),
                                              txt_Cx_Bezeichnung_[i]->text()};
    }
    CxTable constants;
    {
        SettingsStore store;
        constants = StoreReferenceConstants(store, texts);
        if (!store.Sync()) {
            emit settingsNotWritten(store.FileName());
        }
    }
    emit constantsSaved(constants);
}

}  // namespace kolvenar
