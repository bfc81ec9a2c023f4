// The help menu: the user guide, in the desktop's browser or else in a window of its own, and
// what the program is.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QUrl>
#include <QtGlobal>

#include "core/version.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/window_support.h"
#include "ui/main/fm_main.h"
#include "ui/windows/fm_anleitung.h"

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

// The guide lies at the same place relative to the program whether it is installed (under any
// prefix) or started from the build folder, which lays the guide out so.
QString Fm_Main::DefaultGuideFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" KOLVENAR_GUIDE_FROM_PROGRAM));
}

void Fm_Main::CreateHelpMenu() {
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("MT_Hilfe"));
    QAction* anleitung = hilfe->addAction(QStringLiteral("&Anleitung"));
    anleitung->setObjectName(QStringLiteral("ME_Anleitung"));
    anleitung->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* ueber = hilfe->addAction(QStringLiteral("&Über Kolvenar"));
    ueber->setObjectName(QStringLiteral("ME_UeberKolvenar"));

    connect(anleitung, &QAction::triggered, this, &Fm_Main::OpenGuide);
    connect(ueber, &QAction::triggered, this, &Fm_Main::ShowAbout);
}

void Fm_Main::OpenGuide() {
    const QString& guide = guideFile_;
    if (!QFileInfo::exists(guide)) {
        desktop_.ShowMessage(this, QStringLiteral(" Fehler"),
                             QStringLiteral("Die Anleitung wurde nicht gefunden:\r\n") + guide,
                             MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
        return;
    }
    // Where no browser can be started, or the opener says it found none.
    const auto showHere = [this, guide] {
        if (anleitung_.isNull()) {
            anleitung_ = new Fm_Anleitung(guide);
            Watch(anleitung_);
        }
        BringToFront(*anleitung_);
    };
    if (!desktop_.OpenAddress(QUrl::fromLocalFile(guide), this, showHere)) {
        showHere();
    }
}

void Fm_Main::ShowAbout() {
    desktop_.ShowMessage(this, QStringLiteral(" Über Kolvenar"), AboutText(), MessageIcon::Program,
                         MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace kolvenar
