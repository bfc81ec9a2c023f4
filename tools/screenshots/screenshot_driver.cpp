// Takes the pictures of the user guide from the real windows: the main window after the first
// start, a search, the converter, and an export for the spreadsheet picture. Run by
// scripts/make-screenshots.sh under a virtual X server with an empty settings folder.
//
// kolvenar_screenshots <folder>  writes hauptfenster.png, suche.png, umrechner.png and
// KolvenarAusgabe.XLS into <folder>.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

#include "support/unattended_desktop.h"
#include "ui/main/application.h"
#include "ui/main/fm_main.h"

namespace {

using namespace kolvenar;

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "kolvenar_screenshots: %s\n", qPrintable(what));
    std::exit(1);
}

template <typename T>
T* Find(const QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) {
        Fail(QStringLiteral("no control named ") + name);
    }
    return control;
}

QWidget& TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return *widget;
        }
    }
    Fail(QStringLiteral("no window named ") + name);
}

void Type(QWidget& window, const QString& box, const QString& text) {
    auto* edit = Find<QLineEdit>(window, box);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void Choose(QWidget& window, const QString& list, const QString& item) {
    auto* combo = Find<QComboBox>(window, list);
    const int index = combo->findText(item);
    if (index < 0) {
        Fail(list + QStringLiteral(" has no item ") + item);
    }
    combo->setCurrentIndex(index);
}

void SetChecked(QWidget& window, const QString& box, bool checked) {
    auto* check = Find<QCheckBox>(window, box);
    if (check->isChecked() != checked) {
        check->click();
    }
}

void TickOnly(QWidget& window, std::initializer_list<int> elements) {
    Find<QPushButton>(window, QStringLiteral("cmd_ElementeVisible0"))->click();
    auto* list = Find<QTreeWidget>(window, QStringLiteral("lv_Elemente"));
    for (int z : elements) {
        list->topLevelItem(z - 1)->setCheckState(0, Qt::Checked);
    }
}

// Clicks the result table's column header titled `title`, as a user sorts by it.
void ClickHeader(QWidget& window, const QString& title) {
    QHeaderView* header = Find<QTreeView>(window, QStringLiteral("lv_Ausgabe"))->header();
    for (int column = 0; column < header->count(); ++column) {
        if (header->model()->headerData(column, Qt::Horizontal).toString() == title) {
            const QPoint middle(
                header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            return;
        }
    }
    Fail(QStringLiteral("no column titled ") + title);
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

    UnattendedDesktop desktop(UnattendedDesktop::Questions::AnswerYes, true);
    Fm_Main window(desktop);
    window.SetExportFolder(folder.path());
    // A fixed time in the export's header keeps the pictures the same from one run to the next.
    window.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 30)); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        Fail(QStringLiteral("the main window did not appear"));
    }

    // The first start: every element, N = 33.
    Save(window, folder, QStringLiteral("hauptfenster.png"));

    // A wavelength of 589 nm (the yellow sodium line) within 5 %, showing f and L only, with
    // the deviation of each row, the closest first.
    for (int i = 2; i < 5; ++i) {
        SetChecked(window, QStringLiteral("chk_Feldauswahl") + QString::number(i), false);
    }
    SetChecked(window, QStringLiteral("Chk_Suchmodus"), true);
    Choose(window, QStringLiteral("Cb_Einheit1"), QStringLiteral("nm Nano e-9"));
    Find<QRadioButton>(window, QStringLiteral("opt_Toleranz2"))->click();
    Type(window, QStringLiteral("txt_Suchen1"), QStringLiteral("589"));
    Find<QAction>(window, QStringLiteral("ME_Abweichung"))->trigger();
    ClickHeader(window, QStringLiteral("Abweichung in %"));
    Save(window, folder, QStringLiteral("suche.png"));

    // Back to the table: hydrogen, helium and lithium for N = 33 to 35, exported.
    SetChecked(window, QStringLiteral("Chk_Suchmodus"), false);
    Choose(window, QStringLiteral("Cb_Einheit1"), QStringLiteral("m"));
    for (int i = 2; i < 5; ++i) {
        SetChecked(window, QStringLiteral("chk_Feldauswahl") + QString::number(i), true);
    }
    TickOnly(window, {1, 2, 3});
    Type(window, QStringLiteral("txt_N_Value1"), QStringLiteral("35"));
    Find<QAction>(window, QStringLiteral("ME_Speichern1"))->trigger();

    // The converter: 100 MHz into a wavelength, 1500 milli into the plain unit.
    Find<QAction>(window, QStringLiteral("ME_Umrechner"))->trigger();
    QWidget& converter = TopLevel(QStringLiteral("Fm_Umrechner"));
    if (!QTest::qWaitForWindowExposed(&converter)) {
        Fail(QStringLiteral("the converter did not appear"));
    }
    Choose(converter, QStringLiteral("Cb_Einheit0"), QStringLiteral("MHz Mega e+6"));
    Type(converter, QStringLiteral("txt_Wert0"), QStringLiteral("100"));
    Choose(converter, QStringLiteral("Cb_EinheitX0"), QStringLiteral("Milli e-3"));
    Type(converter, QStringLiteral("txt_WertX"), QStringLiteral("1500"));
    Save(converter, folder, QStringLiteral("umrechner.png"));

    window.close();
    return 0;
}
