// The help menu: the user guide in the desktop's browser, and the information window.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QUrl>

#include "ui/main/fm_main.h"
#include "ui/windows/desktop_seam.h"

namespace kolvenar {

namespace {

// The guide installed with the program, whatever the prefix; else, for a program started from
// the build folder, the one the build made.
QString GuideFile() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/" KOLVENAR_GUIDE_FROM_PROGRAM));
    if (QFileInfo::exists(installed)) {
        return installed;
    }
    return QStringLiteral(KOLVENAR_GUIDE_IN_BUILD);
}

}  // namespace

void Fm_Main::CreateHelpMenu(QAction* info) {
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MT_Hilfe"));
    QAction* anleitung = hilfe->addAction(QStringLiteral("Anleitung"));
    anleitung->setObjectName(QStringLiteral("ME_Anleitung"));
    anleitung->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* ueber = hilfe->addAction(QStringLiteral("&Über Kolvenar"));
    ueber->setObjectName(QStringLiteral("ME_UeberKolvenar"));

    connect(anleitung, &QAction::triggered, this, &Fm_Main::OpenGuide);
    connect(ueber, &QAction::triggered, info, &QAction::trigger);
}

void Fm_Main::OpenGuide() {
    const QString guide = GuideFile();
    if (!QFileInfo::exists(guide)) {
        desktop_.ShowMessage(this, QStringLiteral(" Fehler"),
                             QStringLiteral("Die Anleitung wurde nicht gefunden:\r\n") + guide,
                             MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
        return;
    }
    desktop_.OpenAddress(QUrl::fromLocalFile(guide));
}

}  // namespace kolvenar
