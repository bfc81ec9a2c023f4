#include "ui/main/help_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QUrl>
#include <QtGlobal>

#include "core/version.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/window_support.h"
#include "ui/main/side_windows.h"

namespace kolvenar {

namespace {

// The licence as data/copyright states it.
QString AboutText() {
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("Kolvenar ") + FromUtf8(VersionText()) + lineBreak +
           QStringLiteral("Rechner für die Elementresonanz der chemischen Elemente") + lineBreak +
           QStringLiteral("© 2026 Quorvin, alle Rechte vorbehalten (proprietäre Lizenz)") +
           lineBreak + QStringLiteral("Läuft mit Qt ") + QString::fromLatin1(qVersion()) +
           lineBreak + QStringLiteral("https://kolvenar.org");
}

}  // namespace

HelpMenu::HelpMenu(QMainWindow& window, Desktop& desktop, SideWindows& sideWindows)
    : QObject(&window), window_(window), desktop_(desktop), sideWindows_(sideWindows) {
    QMenu* hilfe = window.menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MT_Hilfe"));
    QAction* anleitung = hilfe->addAction(QStringLiteral("&Anleitung"));
    anleitung->setObjectName(QStringLiteral("ME_Anleitung"));
    anleitung->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* ueber = hilfe->addAction(QStringLiteral("&Über Kolvenar"));
    ueber->setObjectName(QStringLiteral("ME_UeberKolvenar"));

    connect(anleitung, &QAction::triggered, this, &HelpMenu::OpenGuide);
    connect(ueber, &QAction::triggered, this, &HelpMenu::ShowAbout);
}

// The guide lies at the same place relative to the program whether it is installed (under any
// prefix) or started from the build folder, which lays the guide out so.
QString HelpMenu::DefaultGuideFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" KOLVENAR_GUIDE_FROM_PROGRAM));
}

void HelpMenu::OpenGuide() {
    const QString& guide = guideFile_;
    if (!QFileInfo::exists(guide)) {
        desktop_.ShowMessage(&window_, QStringLiteral(" Fehler"),
                             QStringLiteral("Die Anleitung wurde nicht gefunden:\r\n") + guide,
                             MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
        return;
    }
    if (desktop_.OpenAddress(QUrl::fromLocalFile(guide))) {
        return;
    }
    // No browser could be started.
    sideWindows_.ShowGuide(guide);
}

void HelpMenu::ShowAbout() {
    desktop_.ShowMessage(&window_, QStringLiteral(" Über Kolvenar"), AboutText(),
                         MessageIcon::Program, MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace kolvenar
