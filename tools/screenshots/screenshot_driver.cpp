// Takes the pictures of the user guide from the real windows: the main window after the first
// start, a search, the converter, the Mehrfachsuche with its hit picture, and an export for the
// spreadsheet picture. Run by
// scripts/make-screenshots.sh under a virtual X server with an empty settings folder.
//
// kolvenar_screenshots <folder>  writes hauptfenster.png, suche.png, umrechner.png,
// mehrfachsuche.png and KolvenarAusgabe.XLS into <folder>.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include "support/scenario.h"
#include "support/scripted_desktop.h"
#include "ui/main/application.h"
#include "ui/main/fm_main.h"

namespace {

using namespace kolvenar;
using kolvenar::testing::Scenario;
using kolvenar::testing::ScriptedDesktop;

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "kolvenar_screenshots: %s\n", qPrintable(what));
    std::exit(1);
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    Fail(QStringLiteral("no window named ") + name);
}

// Plays what the user does, as the window tests do; a step that finds nothing to act on stops
// the driver.
void Play(Scenario& user, const QStringList& steps) {
    for (const QString& step : steps) {
        if (!user.Run({step})) {
            Fail(QStringLiteral("cannot do: ") + step);
        }
    }
}

void Save(QWidget& window, const QDir& folder, const QString& name) {
    if (QWidget* focus = QApplication::focusWidget()) {
        focus->clearFocus();  // no blinking text cursor in the picture
    }
    QTest::qWait(200);  // lets the window system finish painting
    if (!window.grab().save(folder.filePath(name))) {
        Fail(QStringLiteral("cannot write ") + folder.filePath(name));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication();
    // The guide is for German users: their decimal comma in the table and the export.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (argc != 2) {
        Fail(QStringLiteral("usage: kolvenar_screenshots <folder>"));
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    ScriptedDesktop desktop;
    Fm_Main window(desktop);
    window.SetExportFolder(folder.path());
    // The Mehrfachsuche keeps its list there, not among the user's own data.
    window.SetUserDataFolder(folder.path());
    // A fixed time in the export's header keeps the pictures the same from one run to the next.
    window.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 30)); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        Fail(QStringLiteral("the main window did not appear"));
    }
    Scenario user(desktop, [&window] { return &window; });

    // The first start: every element, N = 33.
    Save(window, folder, QStringLiteral("hauptfenster.png"));

    // A wavelength of 589 nm (the yellow sodium line) within 5 %, showing f and L only, with
    // the deviation of each row, the closest first.
    Play(user, {"check chk_Feldauswahl2 0", "check chk_Feldauswahl3 0", "check chk_Feldauswahl4 0",
                "check Chk_Suchmodus 1", "pick Cb_Einheit1 nm Nano e-9", "click opt_Toleranz2",
                "type txt_Suchen1 589", "trigger ME_Abweichung", "header Abweichung in %"});
    Save(window, folder, QStringLiteral("suche.png"));

    // Back to the table: hydrogen, helium and lithium for N = 33 to 35, exported.
    Play(user, {"check Chk_Suchmodus 0", "pick Cb_Einheit1 m", "check chk_Feldauswahl2 1",
                "check chk_Feldauswahl3 1", "check chk_Feldauswahl4 1", "only 1 2 3",
                "type txt_N_Value1 35", "answer OK", "trigger ME_Speichern1"});

    // The converter: 100 MHz into a wavelength, 1500 milli into the plain unit.
    Play(user, {"trigger ME_Umrechner"});
    QWidget* converter = TopLevel(QStringLiteral("Fm_Umrechner"));
    if (!QTest::qWaitForWindowExposed(converter)) {
        Fail(QStringLiteral("the converter did not appear"));
    }
    Play(user, {"pick Fm_Umrechner/Cb_Einheit0 MHz Mega e+6", "type Fm_Umrechner/txt_Wert0 100",
                "pick Fm_Umrechner/Cb_EinheitX0 Milli e-3", "type Fm_Umrechner/txt_WertX 1500"});
    Save(*converter, folder, QStringLiteral("umrechner.png"));

    // The Mehrfachsuche: the guide's six lines of a gas discharge in nm, and their hit picture.
    Play(user, {"trigger ME_Mehrfachsuche"});
    QWidget* multisearch = TopLevel(QStringLiteral("Fm_Mehrfachsuche"));
    if (!QTest::qWaitForWindowExposed(multisearch)) {
        Fail(QStringLiteral("the Mehrfachsuche did not appear"));
    }
    multisearch->resize(900, 600);
    // Pasted, as lists mostly arrive.
    multisearch->findChild<QPlainTextEdit*>(QStringLiteral("txt_Messwerte"))
        ->setPlainText(QStringLiteral("# Einheit: nm\n656.28 H-alpha\n486.13 H-beta\n434.05 "
                                      "H-gamma\n589.00 Na D2\n589.59 Na D1\n546.07 Hg\n"));
    multisearch->findChild<QTabWidget*>(QStringLiteral("tab_Ergebnis"))->setCurrentIndex(1);
    Save(*multisearch, folder, QStringLiteral("mehrfachsuche.png"));

    if (desktop.unexpectedMessages > 0 || desktop.UnusedAnswers() > 0) {
        Fail(QStringLiteral("the export did not end with its one message"));
    }
    window.close();
    return 0;
}
