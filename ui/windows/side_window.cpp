#include "ui/windows/side_window.h"

#include <QCloseEvent>

#include "settings/settings_store.h"
#include "ui/common/accessibility.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

// A fixed window has neither a maximize nor a minimize button.
Qt::WindowFlags FlagsFor(WindowBorder border) {
    if (border == WindowBorder::Resizable) {
        return Qt::Window;
    }
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

}  // namespace

SideWindow::SideWindow(const QString& name, const QString& caption, WindowBorder border,
                       QWidget* parent)
    : QWidget(parent, FlagsFor(border)), border_(border) {
    InstallAccessibleInterfaces();
    setObjectName(name);
    setWindowTitle(caption);
    setFont(DialogFont());
    setAttribute(Qt::WA_DeleteOnClose);
    CloseOnEscape(*this);
}

void SideWindow::RestorePlacement(SettingsStore& store) {
    RestoreWindowPlacement(*this, border_, store);
}

void SideWindow::StoreOwnSettings(SettingsStore&) {}

void SideWindow::closeEvent(QCloseEvent* event) {
    SettingsStore store;
    SaveWindowPlacement(*this, border_, store);
    StoreOwnSettings(store);
    if (!store.Sync()) {
        emit settingsNotWritten(store.FileName());
    }
    event->accept();
}

}  // namespace kolvenar
