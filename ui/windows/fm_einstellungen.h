#pragma once

#include "ui/windows/side_window.h"

#include <array>

#include "settings/reference_constants.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvenar {

// Editor of the five reference lengths. Its Speichern stores them in the main window's section
// and announces the change, upon which the main window rebuilds its list of constants.
class Fm_Einstellungen : public SideWindow {
    Q_OBJECT

public:
    // Creates the window and loads the stored constants (it is not shown).
    explicit Fm_Einstellungen(QWidget* parent = nullptr);

    // The window's name, which is also its settings section, and its fixed size.
    static QString Name();
    static QSize DesignSize();

    // Stores every row (StoreReferenceConstants), then emits constantsSaved() with what it
    // stored.
    void Speichern();

signals:
    // The constants as just stored; they hold even when the store could not be written.
    void constantsSaved(const kolvenar::CxTable& constants);

private:
    void Load();
    void SetSaveEnabled(bool on);
    void TextChanged();
    void cmd_Speichern_Click();

    std::array<QLineEdit*, kCxSlotCount> txt_Cx_{};
    std::array<QLineEdit*, kCxSlotCount> txt_Cx_Wert_{};
    std::array<QLineEdit*, kCxSlotCount> txt_Cx_Bezeichnung_{};
    QPushButton* cmd_Speichern_ = nullptr;
    // While set, the change handlers return at once: the window is setting its own controls
    // (SuppressedEvents).
    bool suppressEvents_ = false;
};

}  // namespace kolvenar
