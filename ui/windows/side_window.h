#pragma once

#include <QWidget>

#include "settings/window_placement.h"

namespace kolvenar {

class SettingsStore;

// What every window beside the main one shares: its name (which is also its settings
// section), its caption, the dialog font, Escape to close it from any control, deletion when
// closed, and storing its placement as it closes.
class SideWindow : public QWidget {
    Q_OBJECT

public:
    SideWindow(const QString& name, const QString& caption, WindowBorder border,
               QWidget* parent = nullptr);

signals:
    // Closing could not write the settings file.
    void settingsNotWritten(const QString& fileName);

protected:
    void RestorePlacement(SettingsStore& store);
    // Writes the window's own keys besides its placement when it closes.
    virtual void StoreOwnSettings(SettingsStore& store);
    void closeEvent(QCloseEvent* event) override;

private:
    WindowBorder border_;
};

}  // namespace kolvenar
