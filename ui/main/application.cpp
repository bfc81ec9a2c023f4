#include "ui/main/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "settings/settings_store.h"
#include "ui/common/desktop_seam.h"
#include "ui/main/fm_main.h"

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

    // The program speaks German whatever the user's language, and so do Qt's own dialogs
    // (the file dialog, the buttons of a message box) where Qt's translations are installed.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

int RunMainWindow() {
    QtDesktop desktop;
    Fm_Main window(desktop);
    window.show();
    return QApplication::exec();
}

}  // namespace kolvenar
