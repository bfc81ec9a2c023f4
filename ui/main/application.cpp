#include "ui/main/application.h"

#include <QApplication>
#include <QIcon>

#include "settings/settings_store.h"

// In no namespace: the resource's registration function is global. A static library drops
// resources nobody refers to.
static void LoadIconResource() {
    Q_INIT_RESOURCE(kolvenar_icons);
}

namespace kolvenar {

void SetUpApplication() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setOrganizationName(QString::fromLatin1(kApplicationName));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kolvenar.Kolvenar"));

    LoadIconResource();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

}  // namespace kolvenar
