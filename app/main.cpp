#include <QApplication>

#include "settings/settings_store.h"
#include "ui/main/fm_main.h"
#include "ui/windows/desktop_seam.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kolvenar::kApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(kolvenar::kApplicationName));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kolvenar.Kolvenar"));

    kolvenar::QtDesktop desktop;
    kolvenar::Fm_Main window(desktop);
    window.show();
    return QApplication::exec();
}
