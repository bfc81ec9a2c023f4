#pragma once

#include <array>

#include "ui/windows/side_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kolvenar {

class Desktop;

// The converter: frequency into wavelength and back (f = c / L), and a number from one decimal
// prefix into another. Its unit choices and rounding box are kept in its own settings section.
class Fm_Umrechner : public SideWindow {
    Q_OBJECT

public:
    // Creates the window, restores its place and settings and shows the first results (it is
    // not shown). Messages go through `desktop`.
    explicit Fm_Umrechner(Desktop& desktop, QWidget* parent = nullptr);

    // Source 0 computes L from the f box, 1 computes f from the L box, each in the units of
    // the two lists; both boxes are then rewritten in normal form.
    void ConvertFrequencyWavelength(int source);

    // Re-expresses the X box from the first prefix in the second one.
    void ConvertPrefix();

    // The value box last confirmed with Enter: 0 f, 1 L.
    int LastSource() const { return lastSource_; }

protected:
    void StoreOwnSettings(SettingsStore& store) override;

private:
    void CreateControls();
    void ConnectControls();
    void Load();
    void ShowMessage(const QString& text);

    void txt_Wert_KeyEnter(int index);
    void txt_Wert_Change(int index);
    void Cb_Einheit_Click(int index);
    void chk_Runden_Click();
    void txt_WertX_Change();
    void Cb_EinheitX_Click();

    Desktop& desktop_;
    std::array<QLineEdit*, 2> txt_Wert_{};
    std::array<QComboBox*, 2> cb_Einheit_{};
    QCheckBox* chk_Runden_ = nullptr;
    QLineEdit* txt_WertX_ = nullptr;
    std::array<QComboBox*, 2> cb_EinheitX_{};
    QLabel* lab_WertXGleich_ = nullptr;
    // While set, the change handlers return at once: the window is setting its own controls
    // (SuppressedEvents).
    bool suppressEvents_ = false;
    int lastSource_ = 0;
};

}  // namespace kolvenar
